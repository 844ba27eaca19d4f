// Writing through: every change reaches the file at once, failures are told
// once and again at exit, a run without changes writes nothing, and a file
// with unreadable records is kept aside before it is replaced.

#include "attendancebook.h"
#include "messages.h"
#include "scriptedplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kRecord = "\"2007/03/05\",\"\x8c\x8e\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"work\"\r\n";
const QByteArray kBadRecord = "\"2007/13/05\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"bad\"\r\n";

WriteReport changeDay(AttendanceBook &book)
{
    return book.storeDay(QDate(2007, 3, 6), DayBoxes{{}, {}, {}, {}, QStringLiteral("new")});
}

} // namespace

class TestRecordStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void noFileAndNoChangeWritesNothing();
    void unchangedRunLeavesFileAlone();
    void changeIsWrittenAtOnce();
    void failedWriteIsToldOnceAndAtExit();
    void unreadableRecordsKeepOriginalAside_data();
    void unreadableRecordsKeepOriginalAside();
    void keptCopyIsReusedOrNumbered();
    void unopenableFileIsNeverReplaced();
    void refusedWriteIsToldWithItsReason_data();
    void refusedWriteIsToldWithItsReason();
    void linkedJournalIsToldAtTheStartAndOnce();
    void newUnreadableRecordOutsideIsKept();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPlatform> p_;
    QString path() const { return dir_->filePath(QStringLiteral("Zentak.txt")); }
};

void TestRecordStore::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    p_ = std::make_unique<ScriptedPlatform>();
    p_->folder = dir_->path();
}

void TestRecordStore::noFileAndNoChangeWritesNothing()
{
    AttendanceBook book(bookPortsOf(*p_));
    QCOMPARE(book.load().records.status, LoadReport::Status::Missing);
    const WriteReport exit = book.saveAtExit();
    QVERIFY(exit.written);
    QVERIFY(!QFile::exists(path()));
    QVERIFY(p_->writes.isEmpty());
}

void TestRecordStore::unchangedRunLeavesFileAlone()
{
    writeFile(path(), kRecord + "\r\n");
    AttendanceBook book(bookPortsOf(*p_));
    book.load();
    QVERIFY(book.kindOf(QDate(2007, 3, 5)));
    QVERIFY(book.saveAtExit().written);
    QCOMPARE(readFile(path()), kRecord + "\r\n");
    QVERIFY(p_->writes.isEmpty());
}

void TestRecordStore::changeIsWrittenAtOnce()
{
    writeFile(path(), kRecord);
    const QString balanceKey = ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu"));
    p_->store.insert(balanceKey, QStringLiteral("09.5"));
    AttendanceBook book(bookPortsOf(*p_));
    book.load();
    const WriteReport written = changeDay(book);
    QVERIFY(written.written && !book.hasUnwrittenChanges());
    QCOMPARE(readFile(path()), kRecord + "\"2007/03/06\",\"\x89\xce\",\"     \",\"     \",\"     \",\"     \",\"new\"\r\n");
    // The balance did not move: the settings store is left alone.
    QVERIFY(p_->writes.isEmpty());
}

void TestRecordStore::failedWriteIsToldOnceAndAtExit()
{
    p_->folder = dir_->filePath(QStringLiteral("gone"));
    AttendanceBook book(bookPortsOf(*p_));
    book.load();
    ToldOnce told;
    const WriteReport first = changeDay(book);
    QVERIFY(!first.written && !first.journaled);
    QVERIFY(first.path.contains(QStringLiteral("gone")));
    // The data file and the journal in one message, the first time only.
    tellWrite(*p_, first, told);
    QCOMPARE(p_->boxes.size(), 1);
    const WriteReport second = changeDay(book);
    QVERIFY(!second.written && book.hasUnwrittenChanges());
    tellWrite(*p_, second, told);
    QCOMPARE(p_->boxes.size(), 1);
    const WriteReport exit = book.saveAtExit();
    QVERIFY(!exit.written);
    tellWrite(*p_, exit, told, WriteMoment::AtExit);
    QCOMPARE(p_->boxes.size(), 2);
}

void TestRecordStore::unreadableRecordsKeepOriginalAside_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("bad date") << kBadRecord;
    // Both used to be read, and the first then blocked every save.
    QTest::newRow("double quote in an unquoted note")
        << QByteArray("2006/01/05,x,09:00,17:30,07:30,07.50,a\"b\r\n");
    QTest::newRow("lone lead bytes at the end of two fields")
        << QByteArray("\"2006/01/05\",\"\x96\",\"09:00\",\"17:30\",\"07:30\",\"07.50\",\"abc\x82\"\r\n");
}

void TestRecordStore::unreadableRecordsKeepOriginalAside()
{
    QFETCH(QByteArray, bad);
    const QByteArray original = bad + kRecord;
    writeFile(path(), original);
    AttendanceBook book(bookPortsOf(*p_));
    const LoadReport loaded = book.load().records;
    QCOMPARE(loaded.unreadable, 1);
    const QString kept = path() + QStringLiteral(".orig");
    QCOMPARE(loaded.keptOriginal, kept);
    QCOMPARE(readFile(kept), original);

    const WriteReport written = changeDay(book);
    QVERIFY(written.written && !book.hasUnwrittenChanges());
    QVERIFY(readFile(path()).contains("\"new\""));
    QVERIFY(!readFile(path()).contains(bad.left(12)));
    QCOMPARE(readFile(kept), original);
}

void TestRecordStore::keptCopyIsReusedOrNumbered()
{
    const QByteArray original = kBadRecord + kRecord;
    writeFile(path(), original);
    writeFile(path() + QStringLiteral(".orig"), original);
    QCOMPARE(AttendanceBook(bookPortsOf(*p_)).load().records.keptOriginal, path() + QStringLiteral(".orig"));
    writeFile(path(), kBadRecord);
    QCOMPARE(AttendanceBook(bookPortsOf(*p_)).load().records.keptOriginal, path() + QStringLiteral(".orig.2"));
    QCOMPARE(readFile(path() + QStringLiteral(".orig")), original);
}

void TestRecordStore::unopenableFileIsNeverReplaced()
{
    // A folder in the place of the file cannot be read as one.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Zentak.txt")));
    AttendanceBook book(bookPortsOf(*p_));
    QCOMPARE(book.load().records.status, LoadReport::Status::Unreadable);
    const WriteReport written = changeDay(book);
    QVERIFY(!written.written);
    QVERIFY(QFileInfo(path()).isDir());
}

void TestRecordStore::refusedWriteIsToldWithItsReason_data()
{
    QTest::addColumn<bool>("unreadFile");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file that could not be read")
        << true << QStringLiteral("new") << QStringLiteral("(読み込めなかったファイルは上書きしません)");
    QTest::newRow("a character without a code")
        << false << QString::fromUtf8("\xF0\x9F\x98\x80")
        << QStringLiteral("(2007/03/06 の記録に Shift_JIS で書けない文字があります。)");
}

void TestRecordStore::refusedWriteIsToldWithItsReason()
{
    QFETCH(bool, unreadFile);
    QFETCH(QString, note);
    QFETCH(QString, reason);
    if (unreadFile)
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Zentak.txt")));
    AttendanceBook book(bookPortsOf(*p_));
    book.load();
    ToldOnce told;
    tellWrite(*p_, book.storeDay(QDate(2007, 3, 6), DayBoxes{{}, {}, {}, {}, note}), told);
    QCOMPARE(p_->boxes.size(), 1);
    QVERIFY2(p_->boxes[0].text.contains(reason), qPrintable(p_->boxes[0].text));
}

void TestRecordStore::linkedJournalIsToldAtTheStartAndOnce()
{
    QVERIFY(QFile::link(dir_->filePath(QStringLiteral("elsewhere")), dir_->filePath(QStringLiteral("Zentak.journal"))));
    AttendanceBook book(bookPortsOf(*p_));
    tellLoad(*p_, book.load());
    ToldOnce told;
    tellWrite(*p_, changeDay(book), told);
    tellWrite(*p_, changeDay(book), told);
    QCOMPARE(p_->boxes.size(), 2);
    QVERIFY(p_->boxes[0].text.contains(QStringLiteral("(シンボリックリンクのため、読み書きしません)")));
    QVERIFY(p_->boxes[1].text.startsWith(QStringLiteral("変更の履歴を書き込めませんでした。")));
    QVERIFY(p_->boxes[1].text.endsWith(QStringLiteral("(シンボリックリンクのため、書き込みません)")));
}

void TestRecordStore::newUnreadableRecordOutsideIsKept()
{
    // One record that did not read replaced outside by another (a note of
    // 201 characters): as many as before, but one only a copy can keep.
    writeFile(path(), kRecord + kBadRecord);
    AttendanceBook book(bookPortsOf(*p_));
    book.load();
    const QByteArray other = "\"2007/03/07\",\"x\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"" + QByteArray(201, 'n') + "\"\r\n";
    writeFile(path(), kRecord + other);
    const WriteReport report = changeDay(book);
    QVERIFY(report.written && report.outside && report.outside->unreadable == 1);
    QCOMPARE(report.outsideCopy, path() + QStringLiteral(".other"));
    QCOMPARE(readFile(report.outsideCopy), kRecord + other);
    // The one that was there at the start is kept already, and not again.
    writeFile(path(), readFile(path()) + kBadRecord);
    QVERIFY(!changeDay(book).outside->needsCopy());
}

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
