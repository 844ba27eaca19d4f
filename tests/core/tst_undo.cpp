// Undo and redo on the attendance book: every kind of change taken back and
// done again, the balance with it, and a journal that outlasts a restart,
// a kill mid-line and a hand edit.

#include "attendancebook.h"
#include "scriptedplatform.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace zentak;

namespace {

const QDate kDay(2026, 12, 8);

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Book {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<AttendanceBook> book;
    Book()
    {
        platform.folder = dir.path();
        platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu")),
                              QStringLiteral("10.0"));
        restart();
    }
    StartReport restart()
    {
        book = std::make_unique<AttendanceBook>(bookPortsOf(platform));
        return book->load();
    }
    // What the user sees of the day and the balance, and the data file.
    QString state() const
    {
        const DayRecord r = book->record(kDay);
        return QStringList{r.start, r.note.trimmed(), book->settings().leaveBalance}.join(u'|')
               + QString::fromLatin1(readFile(dir.filePath(QStringLiteral("Zentak.txt"))).toHex());
    }
    void work(const QString &note)
    {
        book->storeDay(kDay, {QStringLiteral("09:00"), QStringLiteral("18:00"), QStringLiteral("08:00"),
                              QStringLiteral("08.00"), note});
    }
    QString journal() const { return dir.filePath(QStringLiteral("Zentak.journal")); }
};

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsTakenBackAndDoneAgain_data();
    void everyChangeIsTakenBackAndDoneAgain();
    void historyOutlastsARestartAndATornLine();
    void brokenJournalIsKeptAsideAndReachesNoFurther();
    void dayChangedSinceIsNotTakenBack();
    void journalLinesThatCannotBeTrusted_data();
    void journalLinesThatCannotBeTrusted();
    void balanceOutOfItsFieldIsRefused();
    void erasureOfDaysNoCalendarHasOutlastsARestart_data();
    void erasureOfDaysNoCalendarHasOutlastsARestart();
};

namespace {
// A line of the journal as the program writes it: 12/08 stored, `before`
// and `after` its note (or a whole record of seven fields, "|" between).
QByteArray handLine(const QString &day, const QString &before, const QString &after,
                       const QString &balance = QStringLiteral("10.0"))
{
    auto record = [&](const QString &r) {
        const QString fields = r.contains(u'|') ? r : r.isEmpty() ? QStringLiteral("||||||") : day + QStringLiteral("|火|09:00|18:00|08:00|08.00|") + r;
        return u'"' + fields.split(u'|').join(QStringLiteral("\",\"")) + u'"';
    };
    QString line = QStringLiteral("\"2026/12/07 18:00:00\",\"保存\",\"\",\"%1\",\"%1\",\"%2\",").arg(balance, day)
                   + record(before) + u',' + record(after) + QStringLiteral("\r\n");
    QStringEncoder encoder("windows-31j");
    return encoder.encode(line);
}
} // namespace

void TestUndo::everyChangeIsTakenBackAndDoneAgain_data()
{
    QTest::addColumn<int>("act"); // a LeaveKind, or -1 for a day stored, -2 for the year erased
    QTest::newRow("stored") << -1;
    QTest::newRow("paid leave over a worked day") << int(LeaveKind::WholeDayPaid);
    QTest::newRow("half a day") << int(LeaveKind::HalfDayPaid);
    QTest::newRow("holiday") << int(LeaveKind::Holiday);
    QTest::newRow("compensatory day off") << int(LeaveKind::Compensatory);
    QTest::newRow("cancelled") << int(LeaveKind::Cancelled);
    QTest::newRow("year erased") << -2;
}

void TestUndo::everyChangeIsTakenBackAndDoneAgain()
{
    QFETCH(int, act);
    Book b;
    b.work(QStringLiteral("有給休暇（１日）")); // cancelling it gives a day back
    const QString before = b.state();
    if (act == -1)
        b.work(QStringLiteral("設計"));
    else if (act == -2)
        QVERIFY(b.book->eraseYear(kDay.year()).erased());
    else
        QVERIFY(std::holds_alternative<WriteReport>(b.book->markDay(kDay, LeaveKind(act), b.book->record(kDay).note)));
    const QString after = b.state();
    QVERIFY(after != before);
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Done);
    QCOMPARE(b.state(), before);
    QCOMPARE(b.book->doAgain().day, kDay);
    QCOMPARE(b.state(), after);
    QCOMPARE(b.book->doAgain().outcome, UndoReport::Outcome::Nothing);
    // Back twice, then a new change: nothing is left to do again.
    b.book->takeBackLastChange();
    b.book->takeBackLastChange();
    QCOMPARE(b.book->record(kDay).date.trimmed(), QString());
    b.work(QStringLiteral("新"));
    QCOMPARE(b.book->doAgain().outcome, UndoReport::Outcome::Nothing);
}

void TestUndo::historyOutlastsARestartAndATornLine()
{
    Book b;
    b.work(QStringLiteral("設計"));
    const QString worked = b.state();
    b.book->markDay(kDay, LeaveKind::WholeDayPaid, {});
    // A kill while the next line was written leaves it torn.
    QFile journal(b.journal());
    QVERIFY(journal.open(QIODevice::Append));
    journal.write("\"2026/12/07 19:00:00\",\"休日\",\"\",\"09.0\"");
    journal.close();
    const StartReport start = b.restart();
    QCOMPARE(start.journal.unreadable, 0);
    QVERIFY(readFile(b.journal()).endsWith("\r\n"));
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Done);
    QCOMPARE(b.state(), worked);
}

void TestUndo::brokenJournalIsKeptAsideAndReachesNoFurther()
{
    Book b;
    b.work(QStringLiteral("一"));
    QFile journal(b.journal());
    QVERIFY(journal.open(QIODevice::Append));
    journal.write("this is no change\r\n");
    journal.close();
    const QByteArray broken = readFile(b.journal());
    QCOMPARE(b.restart().journal.unreadable, 1);
    b.work(QStringLiteral("二"));
    const StartReport start = b.restart();
    QCOMPARE(start.journal.unreadable, 0); // told once: the journal was written anew
    QCOMPARE(readFile(b.journal() + QStringLiteral(".broken")), broken);
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Done);
    QCOMPARE(b.book->record(kDay).note.trimmed(), QStringLiteral("一"));
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Nothing);
}

void TestUndo::dayChangedSinceIsNotTakenBack()
{
    Book b;
    b.work(QStringLiteral("一"));
    b.work(QStringLiteral("二"));
    // Another program changes the day; this one takes the outside record over.
    QByteArray file = readFile(b.dir.filePath(QStringLiteral("Zentak.txt")));
    file.replace("\x93\xf1", "\x8e\x4f"); // 二 -> 三
    QFile out(b.dir.filePath(QStringLiteral("Zentak.txt")));
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    b.book->storeDay(QDate(2026, 12, 9), {"09:00", "18:00", "08:00", "08.00", "x"});
    QCOMPARE(b.book->record(kDay).note.trimmed(), QStringLiteral("三"));
    b.book->takeBackLastChange(); // the 9th
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Stale);
    QCOMPARE(b.book->record(kDay).note.trimmed(), QStringLiteral("三"));
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::Nothing);
    // The 9th taken back can still be done again.
    QCOMPARE(b.book->doAgain().outcome, UndoReport::Outcome::Done);
    QVERIFY(b.book->record(QDate(2026, 12, 9)).inUse());
}

void TestUndo::journalLinesThatCannotBeTrusted_data()
{
    QTest::addColumn<QByteArray>("tail"); // after the program's own line of 12/08 (blank to 一)
    QTest::addColumn<bool>("lf");         // the journal's line ends made LF
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<QString>("noteAfterUndo");
    const QString day = QStringLiteral("2026/12/08");
    const QString ninth = QStringLiteral("2026/12/09|火|09:00|18:00|08:00|08.00|九日");
    QTest::newRow("the record after is of another day") << handLine(day, QStringLiteral("一"), ninth) << false << 1 << "一";
    QTest::newRow("the record before is of another day") << handLine(day, ninth, QStringLiteral("二")) << false << 1 << "一";
    QTest::newRow("a record with a note and no date") << handLine(day, QStringLiteral("一"), QStringLiteral("|火|||||x")) << false << 1 << "一";
    QTest::newRow("a note of 201 characters") << handLine(day, QStringLiteral("一"), QString(201, u'長')) << false << 1 << "一";
    QTest::newRow("a start of six characters") << handLine(day, QStringLiteral("一"), QStringLiteral("2026/12/08|火|09:000|18:00|08:00|08.00|x")) << false << 1 << "一";
    QTest::newRow("a balance of five characters") << handLine(day, QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("100.0")) << false << 1 << "一";
    QTest::newRow("a day no calendar has, never written: passed over") << handLine(QStringLiteral("2024/02/30"), QString(), QStringLiteral("x")) << false << 0 << "";
    QTest::newRow("LF line ends are read") << QByteArray() << true << 0 << "一";
    QTest::newRow("journaled, never written: passed over") << handLine(day, QStringLiteral("一"), QStringLiteral("偽")) << false << 0 << "";
}

void TestUndo::journalLinesThatCannotBeTrusted()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, lf);
    QFETCH(int, unreadable);
    QFETCH(QString, noteAfterUndo);
    Book b;
    b.work(QStringLiteral("一"));
    QByteArray journal = readFile(b.journal()) + tail;
    if (lf) {
        journal.replace("\r\n", "\n");
        // The 12/08 line of 二 is in the data file too.
        b.work(QStringLiteral("二"));
        journal = readFile(b.journal()).replace("\r\n", "\n");
    }
    QFile file(b.journal());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(journal) == journal.size());
    file.close();
    // An earlier unreadable journal of another content is kept, not replaced.
    QFile earlier(b.journal() + QStringLiteral(".broken"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("older") == 5);
    earlier.close();
    const StartReport start = b.restart();
    QCOMPARE(start.journal.unreadable, unreadable);
    QCOMPARE(start.journal.keptCopy, unreadable ? b.journal() + QStringLiteral(".broken.2") : QString());
    if (unreadable)
        QCOMPARE(readFile(start.journal.keptCopy), journal);
    b.book->takeBackLastChange();
    QCOMPARE(b.book->record(kDay).note.trimmed(), noteAfterUndo);
    // Whatever the journal held, the records can still be written.
    b.work(QStringLiteral("後"));
    QVERIFY(readFile(b.dir.filePath(QStringLiteral("Zentak.txt"))).contains("\x8c\xe3"));
}

void TestUndo::balanceOutOfItsFieldIsRefused()
{
    Book b;
    Settings s = b.book->settings();
    s.leaveBalance = QStringLiteral("99.5");
    b.book->saveSettings(s);
    QVERIFY(std::holds_alternative<WriteReport>(b.book->markDay(kDay, LeaveKind::WholeDayPaid, {})));
    QCOMPARE(b.book->settings().leaveBalance, QStringLiteral("98.5"));
    s.leaveBalance = QStringLiteral("99.5");
    b.book->saveSettings(s);
    QCOMPARE(b.book->takeBackLastChange().outcome, UndoReport::Outcome::BalanceOutOfRange);
    QCOMPARE(b.book->settings().leaveBalance, QStringLiteral("99.5"));
    QVERIFY(b.book->record(kDay).inUse());
}

void TestUndo::erasureOfDaysNoCalendarHasOutlastsARestart_data()
{
    QTest::addColumn<QString>("odd"); // a record's date the data file keeps
    QTest::addColumn<int>("year");
    QTest::newRow("30 February") << "2024/02/30" << 2024;
    QTest::newRow("29 February of a common year") << "2023/02/29" << 2023;
    QTest::newRow("year 0000") << "0000/02/28" << 0;
}

void TestUndo::erasureOfDaysNoCalendarHasOutlastsARestart()
{
    QFETCH(QString, odd);
    QFETCH(int, year);
    Book b;
    const QString line = QStringLiteral("\"%1\",\"金\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"%2\"\r\n");
    const QByteArray file = QStringEncoder("windows-31j").encode(
        line.arg(odd, QStringLiteral("a")) + line.arg(odd.left(5) + QStringLiteral("03/01"), QStringLiteral("b")));
    QFile out(b.dir.filePath(QStringLiteral("Zentak.txt")));
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();
    b.restart();
    QVERIFY(b.book->eraseYear(year).erased());
    QCOMPARE(readFile(out.fileName()), QByteArray());
    const StartReport start = b.restart();
    QCOMPARE(start.journal.unreadable, 0);
    const UndoReport undone = b.book->takeBackLastChange();
    QCOMPARE(undone.outcome, UndoReport::Outcome::Done);
    QCOMPARE(readFile(out.fileName()), file);
    // The calendar is shown a day it has (none in a year 0).
    QCOMPARE(undone.day, QDate(year, 3, 1));
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
