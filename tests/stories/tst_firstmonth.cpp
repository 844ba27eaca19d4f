// A first month with the program: started for the first time in an empty
// folder, the days of December entered one by one through the day dialog,
// the month report written and opened, the program left with X and started
// again later that evening.

#include "program.h"

#include "noteedit.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace zentak;
using namespace zentak::story;

namespace {

const QString kCaption = QStringLiteral("Zentak  Ver1.3.0");
const QString kWeekdays[] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
                             QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};

// The day's dialog opened from its cell, start and end typed, "計算"
// pressed: what the dialog computed ("worked kintai"), then "保存".
QString workDay(Program &program, int day, const QString &start, const QString &end)
{
    DayEntryDialog *dialog = program.openDay(day);
    if (!dialog)
        return QStringLiteral("<no dialog>");
    typeOver(dialog->startTimeBox(), start);
    typeOver(dialog->endTimeBox(), end);
    press(dialog, "Command3");
    const QString computed = dialog->workedTimeBox()->text() + QLatin1Char(' ') + dialog->attendanceBox()->text();
    press(dialog, "Command1");
    if (!program.backAtMainWindow())
        return QStringLiteral("<dialog still open>");
    return computed;
}

} // namespace

class TestFirstMonth : public QObject {
    Q_OBJECT
private slots:
    void aFirstMonthIsEnteredReportedAndThereAgainAtTheNextStart();
};

void TestFirstMonth::aFirstMonthIsEnteredReportedAndThereAgainAtTheNextStart()
{
    Program program;
    program.platform.clock = QDateTime(QDate(2026, 12, 1), QTime(8, 55));
    // Whatever the desktop opens text files with.
    program.platform.associations.insert(QStringLiteral("txt"), QStringLiteral("/usr/bin/mousepad"));

    // First start: no data file, nothing in the settings store. December 2026
    // is shown empty, with nothing worked and no paid leave.
    program.start();
    QCOMPARE(program.window->windowTitle(), kCaption);
    QCOMPARE(program.window->calendar()->yearLabel()->text(), QStringLiteral("2026"));
    QCOMPARE(program.window->calendar()->monthLabel()->text(), QStringLiteral("12"));
    QCOMPARE(program.fills(), QString());
    QCOMPARE(program.summary(), QStringLiteral("0.00 | 0.0 | 00.0"));
    QVERIFY(program.platform.boxes.isEmpty());

    // Tuesday the 1st, 9 to 6. No lunch break has been chosen yet, so only
    // the 15 minutes past the regular eight hours come off.
    {
        DayEntryDialog *dialog = program.openDay(1);
        QVERIFY(dialog);
        QCOMPARE(dialog->dateLabel()->text(), QStringLiteral("26年12月01日(火)"));
        QCOMPARE(dialog->startTimeBox()->text(), QStringLiteral("09:00"));
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("○○○作業"));
        typeOver(dialog->endTimeBox(), QStringLiteral("18:00"));
        press(dialog, "Command3");
        QCOMPARE(dialog->workedTimeBox()->text(), QStringLiteral("08:45"));
        QCOMPARE(dialog->attendanceBox()->text(), QStringLiteral("08.75"));
        press(dialog, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.fills(), QStringLiteral("1 cyan"));
    QCOMPARE(program.summary(), QStringLiteral("8.75 | 1.0 | 00.0"));

    // Wednesday the 2nd, a morning off: "半給" is refused, there is no paid
    // leave on record yet. The user goes back without changing the day.
    {
        DayEntryDialog *dialog = program.openDay(2);
        QVERIFY(dialog);
        press(dialog, "Command4_1");
        QCOMPARE(program.platform.boxes.size(), 1);
        QCOMPARE(program.platform.boxes[0].text, QStringLiteral("有給休暇残は０日です！"));
        QCOMPARE(program.platform.boxes[0].icon, MsgIcon::Information);
        QCOMPARE(program.platform.boxes[0].title, kCaption);
        QVERIFY(dialog->isVisible());
        press(dialog, "Command2");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("8.75 | 1.0 | 00.0"));

    // In the settings the user enters the ten days of paid leave the year
    // gives and, while there, the 60-minute lunch break.
    {
        SettingsDialog *settings = program.openSettings();
        QVERIFY(settings);
        typeOver(settings->leaveBalanceBox(), QStringLiteral("10.0"));
        QTest::mouseClick(settings->lunchBreak60Option(), Qt::LeftButton);
        press(settings, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("8.75 | 1.0 | 10.0"));

    // Now the half day goes through: half a day counted, half a day taken.
    QVERIFY(program.markDay(2, "Command4_1"));
    QCOMPARE(program.fills(), QStringLiteral("1 cyan, 2 magenta"));
    QCOMPARE(program.summary(), QStringLiteral("8.75 | 1.5 | 09.5"));

    // Thursday the 3rd, 9 to 6 again, now with the lunch hour off. The 1st
    // keeps what was computed for it.
    QCOMPARE(workDay(program, 3, QStringLiteral("09:00"), QStringLiteral("18:00")), QStringLiteral("08:00 08.00"));
    QCOMPARE(program.summary(), QStringLiteral("16.75 | 2.5 | 09.5"));

    // Friday the 4th, a long day with a note of the user's own.
    {
        DayEntryDialog *dialog = program.openDay(4);
        QVERIFY(dialog);
        typeOver(dialog->endTimeBox(), QStringLiteral("19:30"));
        press(dialog, "Command3");
        QCOMPARE(dialog->workedTimeBox()->text(), QStringLiteral("09:15"));
        QCOMPARE(dialog->attendanceBox()->text(), QStringLiteral("09.25"));
        dialog->noteBox()->selectAll();
        QTest::keyClicks(dialog->noteBox(), QStringLiteral("review, tests"));
        press(dialog, "Command1");
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.summary(), QStringLiteral("26.00 | 3.5 | 09.5"));

    // Saturday the 5th is a holiday: red, and nothing counted.
    QVERIFY(program.markDay(5, "Command5"));
    QCOMPARE(program.fills(), QStringLiteral("1 cyan, 2 magenta, 3 cyan, 4 cyan, 5 red"));
    QCOMPARE(program.summary(), QStringLiteral("26.00 | 3.5 | 09.5"));

    // Monday the 7th, a night shift from 10 p.m. to 7 the next morning. It
    // begins after one o'clock and this is no shift work: no lunch break.
    QCOMPARE(workDay(program, 7, QStringLiteral("22:00"), QStringLiteral("07:00")), QStringLiteral("08:45 08.75"));
    QCOMPARE(program.summary(), QStringLiteral("34.75 | 4.5 | 09.5"));

    // Tuesday the 8th, a whole day of paid leave.
    QVERIFY(program.markDay(8, "Command4_0"));
    QCOMPARE(program.summary(), QStringLiteral("34.75 | 4.5 | 08.5"));

    // Wednesday the 9th, an ordinary day.
    QCOMPARE(workDay(program, 9, QStringLiteral("09:00"), QStringLiteral("18:00")), QStringLiteral("08:00 08.00"));
    QCOMPARE(program.fills(), QStringLiteral("1 cyan, 2 magenta, 3 cyan, 4 cyan, 5 red, 7 cyan, 8 magenta, 9 cyan"));
    QCOMPARE(program.summary(), QStringLiteral("42.75 | 5.5 | 08.5"));

    // The leave of the 8th was never taken after all: cancelled, and the
    // day goes back to the balance.
    {
        DayEntryDialog *dialog = program.openDay(8);
        QVERIFY(dialog);
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("有給休暇（１日）"));
        program.platform.answers.enqueue(MsgAnswer::Yes);
        press(dialog, "Command6");
        QCOMPARE(program.platform.boxes.size(), 2);
        QCOMPARE(program.platform.boxes[1].text, QStringLiteral("作業内容を取消しますか？"));
        QCOMPARE(program.platform.boxes[1].buttons, MsgButtons::YesNo);
        QCOMPARE(program.platform.boxes[1].icon, MsgIcon::Question);
        QVERIFY(program.backAtMainWindow());
    }
    QCOMPARE(program.fills(), QStringLiteral("1 cyan, 2 magenta, 3 cyan, 4 cyan, 5 red, 7 cyan, 9 cyan"));
    QCOMPARE(program.summary(), QStringLiteral("42.75 | 5.5 | 09.5"));

    // The rest of the month, every weekday 9 to 6, each day's eight hours
    // added to the strip as it is saved (past 100 hours on the 21st).
    QString restOfMonthFile;
    QString restOfMonthReport;
    float hours = 42.75f;
    float days = 5.5f;
    for (int day = 10; day <= 31; ++day) {
        const QDate date(2026, 12, day);
        if (date.dayOfWeek() > 5)
            continue;
        QCOMPARE(workDay(program, day, QStringLiteral("09:00"), QStringLiteral("18:00")),
                 QStringLiteral("08:00 08.00"));
        hours += 8;
        days += 1;
        QCOMPARE(program.summary(), QStringLiteral("%1 | %2 | 09.5").arg(hours, 0, 'f', 2).arg(days, 0, 'f', 1));
        const QString fields = QStringLiteral("\"%1\",\"%2\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",")
                                   .arg(date.toString(QStringLiteral("yyyy/MM/dd")), kWeekdays[date.dayOfWeek() % 7]);
        restOfMonthFile += fields + QStringLiteral("\"○○○作業\"\r\n");
        restOfMonthReport += fields + QStringLiteral("\"%1\",\"0.00\",\"02.75\",\"○○○作業\"\r\n")
                                          .arg(hours, 6, 'f', 2, QLatin1Char('0'));
    }
    const QString monthSummary = QStringLiteral("170.75 | 21.5 | 09.5");
    QCOMPARE(program.summary(), monthSummary);
    const QString monthFills = QStringLiteral(
        "1 cyan, 2 magenta, 3 cyan, 4 cyan, 5 red, 7 cyan, 9 cyan, 10 cyan, 11 cyan, 14 cyan, 15 cyan, "
        "16 cyan, 17 cyan, 18 cyan, 21 cyan, 22 cyan, 23 cyan, 24 cyan, 25 cyan, 28 cyan, 29 cyan, "
        "30 cyan, 31 cyan");
    QCOMPARE(program.fills(), monthFills);

    // "出力": the report of December is written beside the program and
    // opened in the text editor.
    QTest::mouseClick(program.window->calendar()->reportButton(), Qt::LeftButton);
    const QString reportPath = program.path(QStringLiteral("202612.txt"));
    QCOMPARE(readFile(reportPath),
             sjis(QStringLiteral(
                 "\"   日付   \",\"曜\",\" 出社\",\" 退社\",\" 稼動\",\" 勤怠\",\" 集計 \",\"残業\",\" 残計\",\"作業内容\"\r\n"
                 "\"2026/12/01\",\"火\",\"09:00\",\"18:00\",\"08:45\",\"08.75\",\"008.75\",\"0.75\",\"00.75\",\"○○○作業\"\r\n"
                 "\"2026/12/02\",\"水\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"008.75\",\"0.00\",\"00.75\",\"有給休暇（半日）\"\r\n"
                 "\"2026/12/03\",\"木\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"016.75\",\"0.00\",\"00.75\",\"○○○作業\"\r\n"
                 "\"2026/12/04\",\"金\",\"09:00\",\"19:30\",\"09:15\",\"09.25\",\"026.00\",\"1.25\",\"02.00\",\"review, tests\"\r\n"
                 "\"2026/12/05\",\"土\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"026.00\",\"0.00\",\"02.00\",\"休日\"\r\n"
                 "\"2026/12/07\",\"月\",\"22:00\",\"07:00\",\"08:45\",\"08.75\",\"034.75\",\"0.75\",\"02.75\",\"○○○作業\"\r\n"
                 "\"2026/12/08\",\"火\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"034.75\",\"0.00\",\"02.75\",\"取消\"\r\n"
                 "\"2026/12/09\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"042.75\",\"0.00\",\"02.75\",\"○○○作業\"\r\n")
                  + restOfMonthReport));
    QCOMPARE(program.platform.started.size(), 1);
    QCOMPARE(program.platform.started[0].program, QStringLiteral("/usr/bin/mousepad"));
    QCOMPARE(program.platform.started[0].arguments, QStringList{reportPath});

    // X ends the program: the month on disk in code page 932, the balance
    // and the settings in the store. Nothing else was told on the way.
    program.exit();
    QVERIFY(program.platform.writes.contains(ScriptedPlatform::storeKey(kStoreApp, kSectionForm, kKeyPos)));
    const QByteArray month = sjis(QStringLiteral(
        "\"2026/12/01\",\"火\",\"09:00\",\"18:00\",\"08:45\",\"08.75\",\"○○○作業\"\r\n"
        "\"2026/12/02\",\"水\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"有給休暇（半日）\"\r\n"
        "\"2026/12/03\",\"木\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"○○○作業\"\r\n"
        "\"2026/12/04\",\"金\",\"09:00\",\"19:30\",\"09:15\",\"09.25\",\"review, tests\"\r\n"
        "\"2026/12/05\",\"土\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"休日\"\r\n"
        "\"2026/12/07\",\"月\",\"22:00\",\"07:00\",\"08:45\",\"08.75\",\"○○○作業\"\r\n"
        "\"2026/12/08\",\"火\",\"00:00\",\"00:00\",\"00:00\",\"00.00\",\"取消\"\r\n"
        "\"2026/12/09\",\"水\",\"09:00\",\"18:00\",\"08:00\",\"08.00\",\"○○○作業\"\r\n") + restOfMonthFile);
    QCOMPARE(readFile(program.dataPath()), month);
    const QStringList settingsStored = {
        QStringLiteral("AgreementStart=4"), QStringLiteral("DayTM=08:00"), QStringLiteral("Granted="),
        QStringLiteral("Hired="), QStringLiteral("IniTM=09:00"), QStringLiteral("Ktsw=0"), QStringLiteral("Name="),
        QStringLiteral("Remind=1"), QStringLiteral("RestDay=0"), QStringLiteral("Sagyo=○○○作業"),
        QStringLiteral("Sift=0"), QStringLiteral("T4Sw=False"), QStringLiteral("T6Sw=True"),
        QStringLiteral("WeekDays=5"), QStringLiteral("Yukyu=09.5")};
    QCOMPARE(storeSection(program.platform, QStringLiteral("set")), settingsStored);
    QCOMPARE(program.platform.boxes.size(), 2);

    // Later that evening the program is started again in the same folder: the
    // same month, the same colours, the same figures.
    program.stop();
    program.platform.clock = QDateTime(QDate(2026, 12, 31), QTime(19, 0));
    program.platform.writes.clear();
    program.start();
    QCOMPARE(program.fills(), monthFills);
    QCOMPARE(program.summary(), monthSummary);
    {
        DayEntryDialog *dialog = program.openDay(4);
        QVERIFY(dialog);
        QCOMPARE(dialog->endTimeBox()->text(), QStringLiteral("19:30"));
        QCOMPARE(dialog->noteBox()->toPlainText(), QStringLiteral("review, tests"));
        press(dialog, "Command2");
        QVERIFY(program.backAtMainWindow());
    }

    // Left again without a change: only the window position is stored, and
    // the records stay as they were.
    program.exit();
    QCOMPARE(program.platform.writes, QStringList{QStringLiteral("ZENTAK/pform/ppos")});
    QCOMPARE(readFile(program.dataPath()), month);
    QCOMPARE(storeSection(program.platform, QStringLiteral("set")), settingsStored);
    QCOMPARE(program.platform.boxes.size(), 2);
}

QTEST_MAIN(TestFirstMonth)
#include "tst_firstmonth.moc"
