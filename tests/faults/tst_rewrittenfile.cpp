// A data file another program writes anew in place while the start reads
// it: read again from the start, never a mix of the two files; one that
// keeps changing is not read at all.

#include "datafile.h"
#include "faultcommon.h"
#include "filetexts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;
using test::readFile;

namespace {

// A file another program writes anew in place (the same file, cut and
// written) just after the first read of each open, once for each of the
// contents given.
class RewrittenWhileRead : public QFile {
public:
    RewrittenWhileRead(const QString &path, QList<QByteArray> contents) : QFile(path), contents_(std::move(contents)) {}
    bool open(OpenMode mode) override
    {
        opened_ = true;
        return QFile::open(mode);
    }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        const qint64 read = QFile::readData(data, most);
        if (std::exchange(opened_, false) && !contents_.isEmpty()) {
            QFile other(fileName());
            if (!other.open(QIODevice::WriteOnly | QIODevice::Truncate) || other.write(contents_.takeFirst()) < 0)
                qFatal("the test could not rewrite the file");
        }
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

private:
    QTemporaryDir dir_;
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
    // Three years in the file; the other program keeps January's days only,
    // or changes every note.
    AttendanceTable first;
    faults::fillTable(first, 1);
    AttendanceTable theirs;
    faults::fillTable(theirs, 2);
    if (!sameSize)
        for (int month = 2; month <= 12; ++month)
            for (int year = 2024; year <= 2026; ++year)
                for (int day = 1; day <= 28; ++day)
                    theirs.setRecord({year, month, day}, DayRecord::blank());
    const QString path = dataFilePath(dir_.path());
    QVERIFY(replaceFile(path, serializeTable(first).bytes));
    const SerializeResult other = serializeTable(theirs);
    QVERIFY(other.ok && readFile(path).size() > kReadPiece && (other.bytes.size() == readFile(path).size()) == sameSize);

    RewrittenWhileRead file(path, QList<QByteArray>(rewrites, other.bytes));
    AttendanceTable read;
    const ReadResult result = readDataFile(file, read);
    if (rewrites == kReadTries) {
        QCOMPARE(result.status, ReadStatus::Unreadable);
        QCOMPARE(result.fault, ReadFault::KeepsChanging);
        QCOMPARE(read.size(), qsizetype(0));
        return;
    }
    // The file as the other program left it, whole: no day of the first.
    QCOMPARE(result.status, ReadStatus::Read);
    QCOMPARE(result.stamp, stampOf(other.bytes));
    QCOMPARE(read.size(), theirs.size());
    QCOMPARE(read.record({2026, 12, 28}), theirs.record({2026, 12, 28}));
    QCOMPARE(read.record({2025, 1, 3}), theirs.record({2025, 1, 3}));
}

QTEST_GUILESS_MAIN(TestRewrittenFile)
#include "tst_rewrittenfile.moc"
