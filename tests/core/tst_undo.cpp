// Undo and redo on the attendance book: every kind of change taken back and
// done again, the balance with it, and a journal that outlasts a restart,
// a kill mid-line and a hand edit.

#include "attendancebook.h"
#include "scriptedplatform.h"

#include <QFile>
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
        book = std::make_unique<AttendanceBook>(platform);
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
};

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
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
