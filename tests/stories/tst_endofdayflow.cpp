// The end of a working day left without a record, through the real main
// window: the reminder comes once at the usual end, its 退社 opens today's
// day dialog as the button does, and a date that changes while the program
// runs moves today and the count of the days left empty.

#include "program.h"

#include "daywatch.h"
#include "endofdayreminder.h"

using namespace zentak;
using namespace zentak::story;

class TestEndOfDayFlow : public QObject {
    Q_OBJECT
private slots:
    void reminderOpensTheClockOut();
    void theDateMovesOnWhileRunning();
};

void TestEndOfDayFlow::reminderOpensTheClockOut()
{
    // Monday 2026/12/07, 9:30; usual start 09:00, 8 hours, an hour's lunch.
    Program program;
    program.platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("T6Sw")),
                                  QStringLiteral("True"));
    MainWindow &window = program.start();
    auto *reminder = window.findChild<EndOfDayReminder *>();
    QVERIFY(reminder);
    QCOMPARE(reminder->nextLook(), QDateTime(QDate(2026, 12, 7), QTime(18, 0)));
    program.platform.clock = QDateTime(QDate(2026, 12, 7), QTime(18, 0));
    reminder->lookNow(); // what its timer does then
    reminder->lookNow();
    QCOMPARE(program.platform.notifications.sent.size(), 1);
    QCOMPARE(program.platform.notifications.sent[0].actionLabel, QStringLiteral("退社"));

    QVERIFY(program.platform.notifications.chooseAction());
    auto *dialog = Program::openDialog<DayEntryDialog>();
    QVERIFY(dialog);
    QCOMPARE(dialog->day(), QDate(2026, 12, 7));
    QCOMPARE(dialog->endTimeBox()->text(), QStringLiteral("18:00"));
    press(dialog, "Command1");
    QVERIFY(program.backAtMainWindow());
    // Recorded: nothing more to remind of today.
    QCOMPARE(reminder->nextLook(), std::nullopt);
}

void TestEndOfDayFlow::theDateMovesOnWhileRunning()
{
    // Thursday 2026/12/03; the 1st and 2nd were left empty.
    Program program;
    program.platform.clock = QDateTime(QDate(2026, 12, 3), QTime(23, 0));
    MainWindow &window = program.start();
    auto *count = window.findChild<QLabel *>(QStringLiteral("lblUnrecorded"));
    QCOMPARE(count->accessibleName(), QStringLiteral("未入力 2日"));
    QVERIFY(program.cell(3)->border() && !program.cell(3)->missing());
    program.platform.clock = QDateTime(QDate(2026, 12, 4), QTime(0, 0, 1));
    window.findChild<DayWatch *>()->lookNow(); // what its timer does at midnight
    QCOMPARE(count->accessibleName(), QStringLiteral("未入力 3日"));
    QVERIFY(program.cell(3)->missing() && !program.cell(3)->border() && program.cell(4)->border());
    QCOMPARE(program.cell(3)->accessibleDescription(), QStringLiteral("未入力"));
    // A day stored is no longer empty.
    window.openDay(QDate(2026, 12, 1));
    press(Program::openDialog<DayEntryDialog>(), "Command5"); // 休日
    QVERIFY(program.backAtMainWindow());
    QCOMPARE(count->accessibleName(), QStringLiteral("未入力 2日"));
    QVERIFY(!program.cell(1)->missing());
}

QTEST_MAIN(TestEndOfDayFlow)
#include "tst_endofdayflow.moc"
