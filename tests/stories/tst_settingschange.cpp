// The user moves to night shifts: a 45-minute break, shift work, a usual
// start of 10 p.m., tallies every ten days and a new default note, all set
// in the settings dialog. The next days are computed by the new rules, the
// days already recorded keep their values, and the month report restarts
// its running totals on the 11th and the 21st.

#include "program.h"

#include "noteedit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace zentak;
using namespace zentak::story;

class TestSettingsChange : public QObject {
    Q_OBJECT
private slots:
    void nightShiftSettingsGovernTheNextDaysAndTheReport();
};

void TestSettingsChange::nightShiftSettingsGovernTheNextDaysAndTheReport()
{
    Program program;
    program.platform.clock = QDateTime(QDate(2026, 12, 22), QTime(7, 30));
    program.platform.associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/mousepad"));
    // Months of day work behind the user: the 60-minute lunch break, work
    // from half past eight, twelve days of paid leave left.
    auto set = [&](const char *key, const QString &value) {
        program.platform.store.insert(QStringLiteral("ZENTAK/set/") + QLatin1String(key), value);
    };
    set("IniTM", QStringLiteral("08:30"));
    set("DayTM", QStringLiteral("08:00"));
    set("Yukyu", QStringLiteral("12.0"));
    set("T6Sw", QStringLiteral("True"));
    set("T4Sw", QStringLiteral("False"));
    set("Sagyo", QStringLiteral("組立ライン"));
    set("Sift", QStringLiteral("0"));
    set("Ktsw", QStringLiteral("0"));
    const QString dayWork = QStringLiteral(
        "\"2026/12/03\",\"木\",\"08:30\",\"18:00\",\"08:15\",\"08.25\",\"組立ライン\"\r\n"
        "\"2026/12/12\",\"土\",\"08:30\",\"18:30\",\"08:45\",\"08.75\",\"組立ライン\"\r\n");
    QVERIFY(writeFile(program.dataPath(), sjis(dayWork)));
    program.start();
    QCOMPARE(program.summary(), QStringLiteral("17.00 | 2.0 | 12.0"));

    // The first night, 10 p.m. to 7 a.m., computed by the old settings: it
    // starts after one o'clock and is no shift work, so no break at all.
    // Not what the night shift gives; the user goes back.
    {
        DayEntryDialog *dialog = program.openDay(21);
        QVERIFY(dialog);
        typeOver(dialog->startTimeBox(), QStringLiteral("22:00"));
        typeOver(dialog->endTimeBox(), QStringLiteral("07:00"));
        press(dialog, "Command3");
        QCOMPARE(dialog->workedTimeBox()->text() + u' ' + dialog->attendanceBox()->text(), QStringLiteral("08:45 08.75"));
        press(dialog, "Command2");
        QVERIFY(program.backAtMainWindow());
    }

    // The settings for the night shift.
    {
        SettingsDialog *settings = program.openSettings();
        QVERIFY(settings);
        QCOMPARE(settings->usualStartBox()->text(), QStringLiteral("08:30"));
        QVERIFY(settings->lunchBreak60Option()->isChecked());
        typeOver(settings->usualStartBox(), QStringLiteral("22:00"));
        QTest::mouseClick(settings->lunchBreak45Option(), Qt::LeftButton); // お昼休み ４５分
        QTest::mouseClick(settings->shiftWorkBox(), Qt::LeftButton);       // シフト勤務
        QTest::mouseClick(settings->tenDayTallyBox(), Qt::LeftButton);     // 勤怠を１０日毎に集計
        settings->defaultNoteBox()->selectAll();
        typeText(settings->defaultNoteBox(), QStringLiteral("夜勤ライン"));
        press(settings, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    const QString nightSettings = QStringLiteral(
        "AgreementStart=4 DayTM=08:00 Granted= Hired= IniTM=22:00 Ktsw=1 Name= Remind=1 RestDay=0 Sagyo=夜勤ライン Sift=1 "
        "T4Sw=True T6Sw=False WeekDays=5 Yukyu=12.0");
    QCOMPARE(storeSection(program.platform, QStringLiteral("set")).join(u' '), nightSettings);
    // The strip always totals the whole month, ten-day tallies or not.
    QCOMPARE(program.summary(), QStringLiteral("17.00 | 2.0 | 12.0"));

    // The same night again: it now opens at 10 p.m. with the new note, and
    // as shift work ending by 7 it gets its 45-minute break; the 15 minutes
    // past the regular hours come off as before.
    {
        DayEntryDialog *dialog = program.openDay(21);
        QVERIFY(dialog);
        QCOMPARE(dialog->startTimeBox()->text(), QStringLiteral("22:00"));
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("夜勤ライン"));
        typeOver(dialog->endTimeBox(), QStringLiteral("07:00"));
        press(dialog, "Command3");
        QCOMPARE(dialog->workedTimeBox()->text() + u' ' + dialog->attendanceBox()->text(), QStringLiteral("08:00 08.00"));
        press(dialog, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("25.00 | 3.0 | 12.0"));

    // A day shift in between, 9 to half past six: 45 minutes of lunch now,
    // where the hour would have left 08:15.
    {
        DayEntryDialog *dialog = program.openDay(22);
        QVERIFY(dialog);
        typeOver(dialog->startTimeBox(), QStringLiteral("09:00"));
        typeOver(dialog->endTimeBox(), QStringLiteral("18:30"));
        press(dialog, "Command3");
        QCOMPARE(dialog->workedTimeBox()->text() + u' ' + dialog->attendanceBox()->text(), QStringLiteral("08:30 08.50"));
        press(dialog, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("33.50 | 4.0 | 12.0"));

    // "出力": hours and overtime run up within each ten days, starting
    // again at the first day from the 11th and from the 21st.
    QTest::mouseClick(program.window->calendar()->reportButton(), Qt::LeftButton);
    QCOMPARE(readFile(program.path(QStringLiteral("202612.txt"))),
             sjis(QStringLiteral(
                 "\"   日付   \",\"曜\",\" 出社\",\" 退社\",\" 稼動\",\" 勤怠\",\" 集計 \",\"残業\",\" 残計\",\"作業内容\"\r\n"
                 "\"2026/12/03\",\"木\",\"08:30\",\"18:00\",\"08:15\",\"08.25\",\"008.25\",\"0.25\",\"00.25\",\"組立ライン\"\r\n"
                 "\"2026/12/12\",\"土\",\"08:30\",\"18:30\",\"08:45\",\"08.75\",\"008.75\",\"0.75\",\"00.75\",\"組立ライン\"\r\n"
                 "\"2026/12/21\",\"月\",\"22:00\",\"07:00\",\"08:00\",\"08.00\",\"008.00\",\"0.00\",\"00.00\",\"夜勤ライン\"\r\n"
                 "\"2026/12/22\",\"火\",\"09:00\",\"18:30\",\"08:30\",\"08.50\",\"016.50\",\"0.50\",\"00.50\",\"夜勤ライン\"\r\n")));
    QCOMPARE(program.platform.started.size(), 1);
    QCOMPARE(program.summary(), QStringLiteral("33.50 | 4.0 | 12.0"));

    // At exit the days recorded before the change are as they were; the
    // settings stay as the dialog stored them.
    program.exit();
    QCOMPARE(readFile(program.dataPath()),
             sjis(dayWork
                  + QStringLiteral(
                      "\"2026/12/21\",\"月\",\"22:00\",\"07:00\",\"08:00\",\"08.00\",\"夜勤ライン\"\r\n"
                      "\"2026/12/22\",\"火\",\"09:00\",\"18:30\",\"08:30\",\"08.50\",\"夜勤ライン\"\r\n")));
    QCOMPARE(storeSection(program.platform, QStringLiteral("set")).join(u' '), nightSettings);
    QVERIFY(program.platform.boxes.isEmpty());
}

QTEST_MAIN(TestSettingsChange)
#include "tst_settingschange.moc"
