// The overtime as the law counts it through the real windows: a day stored
// moves the main window's figure and the window 時間外労働の状況, and a rest
// day chosen in the settings moves the figure again.

#include "overtimechart.h"
#include "overtimedialog.h"
#include "overtimefigure.h"
#include "programtest.h"

#include <QComboBox>

using namespace zentak;
using namespace zentak::story;

class TestOvertimeWindow : public ProgramTest {
    Q_OBJECT
private slots:
    void storedDayMovesTheFigureAndTheWindow();
};

void TestOvertimeWindow::storedDayMovesTheFigureAndTheWindow()
{
    // Tuesday 1 to Friday 4 December 2026, 8:00 of overtime each; today is
    // Monday the 7th.
    QString lines;
    for (int day = 1; day <= 4; ++day)
        lines += recordLine({QStringLiteral("2026/12/0%1").arg(day), "火", "08:00", "00:00", "16:00", "16.00", "設計"});
    writeData(lines);
    startWindow();
    QLabel *figure = w_->overtimeFigure()->label();
    QCOMPARE(figure->accessibleName(), QStringLiteral("時間外 32:00"));
    QCOMPARE(figure->accessibleDescription(), QStringLiteral("上限45時間まで あと 13:00"));
    QVERIFY(!figure->autoFillBackground());

    // 09:00 to 23:00: 13:45 after the 15 minutes past the regular hours.
    DayEntryDialog *day = program_->openDay(7);
    QVERIFY(day);
    typeOver(day->endTimeBox(), QStringLiteral("23:00"));
    press(day, "Command3");
    press(day, "Command1");
    QVERIFY(w_->isVisible());
    QCOMPARE(figure->accessibleName(), QStringLiteral("時間外 37:45"));
    QCOMPARE(figure->accessibleDescription(), QStringLiteral("上限45時間まで あと 7:15"));
    QVERIFY(figure->autoFillBackground()); // near the limit

    QTest::keyClick(w_, Qt::Key_O, Qt::AltModifier);
    auto *window = Program::openDialog<OvertimeDialog>();
    QVERIFY(window);
    QVERIFY(!w_->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("時間外労働の状況"));
    const QString december = QStringLiteral("12月 時間外 37:45 休日労働 0:00");
    QCOMPARE(window->monthRow(8)->accessibleName(), december);
    QVERIFY(window->chart()->accessibleDescription().split(u'\n').contains(december));
    // 37:45 over five working days is 7:33 a day, for 18 more days.
    auto label = [window](const char *name) { return window->findChild<QLabel *>(QLatin1String(name)); };
    QCOMPARE(label("projection")->accessibleName(), QStringLiteral("今月の見込み 173:39"));
    QCOMPARE(label("projection")->accessibleDescription(), QStringLiteral("上限45時間を超えています"));
    QCOMPARE(label("projectionst")->text(), QStringLiteral("上限超過"));
    QCOMPARE(label("yearot")->accessibleDescription(),
             QStringLiteral("上限360時間まで あと 322:15、上限720時間まで あと 682:15"));
    press(window, "cmdPrevYear");
    QCOMPARE(label("lblYear")->text(), QStringLiteral("2025年度（2025年4月〜2026年3月）"));
    QCOMPARE(window->monthRow(8)->accessibleName(), QStringLiteral("12月 時間外 0:00 休日労働 0:00"));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(w_->isVisible());

    // Monday the legal rest day: the 7th is holiday work.
    QTest::keyClick(w_->clockOutButton(), Qt::Key_S);
    auto *settings = Program::openDialog<SettingsDialog>();
    QVERIFY(settings);
    settings->restDayBox()->setCurrentIndex(1);
    press(settings, "Command1");
    QCOMPARE(p_->store.value(setKey("RestDay")), QStringLiteral("1"));
    QCOMPARE(figure->accessibleName(), QStringLiteral("時間外 32:00"));
}

QTEST_MAIN(TestOvertimeWindow)
#include "tst_overtimewindow.moc"
