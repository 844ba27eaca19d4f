// A mis-click taken back: a worked day turned into paid leave comes back
// whole with Ctrl+Z, balance included, and after a restart the earlier
// run's last change can still be taken back; an erased year comes back
// after one question.

#include "program.h"

#include "keyactions.h"
#include "maintenancedialog.h"

using namespace zentak;
using namespace zentak::story;

class TestUndoFlow : public QObject {
    Q_OBJECT
private slots:
    void misClickTakenBackAcrossARestart();
};

void TestUndoFlow::misClickTakenBackAcrossARestart()
{
    Program program;
    program.platform.store.insert(ScriptedPlatform::storeKey(kStoreApp, kSectionSet, QStringLiteral("Yukyu")),
                                  QStringLiteral("10.0"));
    MainWindow &window = program.start();
    QVERIFY(!window.keyActions()->undo()->isEnabled()); // nothing to take back yet
    DayEntryDialog *dialog = program.openDay(8);
    QVERIFY(dialog);
    typeOver(dialog->endTimeBox(), QStringLiteral("18:00"));
    press(dialog, "Command3");
    press(dialog, "Command1");
    QVERIFY(program.backAtMainWindow());
    const QByteArray worked = readFile(program.dataPath());

    dialog = program.openDay(8);
    press(dialog, "Command4_0");
    QVERIFY(program.backAtMainWindow());
    QCOMPARE(program.fills(), QStringLiteral("8 magenta"));
    QCOMPARE(program.strip("zan"), QStringLiteral("09.0"));

    // From another month, Ctrl+Z brings the day back and shows it.
    window.calendar()->showNextMonth();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.calendar()->shownMonth().month, 12);
    QCOMPARE(program.fills(), QStringLiteral("8 cyan"));
    QCOMPARE(program.strip("zan"), QStringLiteral("10.0"));
    QCOMPARE(readFile(program.dataPath()), worked);
    QVERIFY(window.keyActions()->redo()->isEnabled());
    program.exit();

    // The next day: the worked day itself can still be taken back, and
    // done again.
    program.stop();
    program.start();
    QTest::keyClick(program.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.fills(), QString());
    QVERIFY(!program.window->keyActions()->undo()->isEnabled()); // the journal's first change
    QTest::keyClick(program.window.get(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(readFile(program.dataPath()), worked);

    // An erased year comes back after one question that names it.
    auto *maintenance = program.choose<MaintenanceDialog>("MNUFILEDIT");
    QVERIFY(maintenance);
    program.platform.answers << MsgAnswer::Yes;
    press(maintenance, "delcmd");
    press(maintenance, "Command2");
    QVERIFY(program.backAtMainWindow());
    QCOMPARE(program.fills(), QString());
    program.platform.answers << MsgAnswer::Yes;
    QTest::keyClick(program.window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.platform.boxes.last().text, QStringLiteral("2026年の勤怠の削除を取り消しますか？"));
    QCOMPARE(program.fills(), QStringLiteral("8 cyan"));
    QCOMPARE(readFile(program.dataPath()), worked);
}

QTEST_MAIN(TestUndoFlow)
#include "tst_undoflow.moc"
