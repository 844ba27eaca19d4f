// A data file another program writes anew in place while the start reads
// it: read again from the start, never a mix of the two files; one that
// keeps changing is not read at all.

#include "datafile.h"
#include "faultcommon.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

// The file cut and written anew with the next of the contents given, just
// after the first read of each open.
class RewrittenWhileRead : public QFile {
public:
    RewrittenWhileRead(const QString &path, QList<QByteArray> contents) : QFile(path), contents_(std::move(contents)) {}
    bool open(OpenMode mode) override { return (opened_ = true) && QFile::open(mode); }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        const qint64 read = QFile::readData(data, most);
        QFile other(fileName());
        if (std::exchange(opened_, false) && !contents_.isEmpty()
            && !(other.open(QIODevice::WriteOnly | QIODevice::Truncate) && other.write(contents_.takeFirst()) > 0))
            qFatal("the test could not rewrite the file");
        return read;
    }

private:
    QList<QByteArray> contents_;
    bool opened_ = false;
};

} // namespace

class TestRewrittenFile : public QObject {
    Q_OBJECT
private slots:
    void rewrittenInPlaceWhileRead_data();
    void rewrittenInPlaceWhileRead();
};

void TestRewrittenFile::rewrittenInPlaceWhileRead_data()
{
    QTest::addColumn<int>("rewrites");
    QTest::addColumn<bool>("sameSize");
    QTest::newRow("once, with days removed") << 1 << false;
    QTest::newRow("once, to the same size") << 1 << true;
    QTest::newRow("at every try") << kReadTries << false;
}

void TestRewrittenFile::rewrittenInPlaceWhileRead()
{
    QFETCH(int, rewrites);
    QFETCH(bool, sameSize);
    // Three years; the other program changes every note, and keeps January's days only or all.
    AttendanceTable first, theirs;
    faults::fillTable(first, 1);
    faults::fillTable(theirs, 2);
    for (int month = 2; month <= 12 && !sameSize; ++month)
        for (int day = 1; day <= 28; ++day)
            for (int year : {2024, 2025, 2026})
                theirs.setRecord({year, month, day}, DayRecord::blank());
    QTemporaryDir dir;
    const QString path = dataFilePath(dir.path());
    const QByteArray mine = serializeTable(first).bytes, other = serializeTable(theirs).bytes;
    QVERIFY(replaceFile(path, mine) && mine.size() > kReadPiece && (other.size() == mine.size()) == sameSize);

    RewrittenWhileRead file(path, QList<QByteArray>(rewrites, other));
    AttendanceTable read;
    const ReadResult result = readDataFile(file, read);
    if (rewrites == kReadTries) {
        QCOMPARE(result.fault, ReadFault::KeepsChanging);
        QCOMPARE(read.size(), qsizetype(0));
        return;
    }
    // The file as the other program left it, whole.
    QCOMPARE(result.status, ReadStatus::Read);
    QCOMPARE(result.stamp, stampOf(other));
    QVERIFY(read == theirs);
}

QTEST_GUILESS_MAIN(TestRewrittenFile)
#include "tst_rewrittenfile.moc"
