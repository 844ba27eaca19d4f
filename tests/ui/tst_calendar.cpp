// The calendar panel: the layout of a month, the fills by day kind, today's
// frame, national holidays, and the navigation buttons.

#include "programtest.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QToolTip>

using namespace zentak;
using namespace zentak::story;

namespace {

const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kMagenta(0xFF, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

} // namespace

class TestCalendar : public ProgramTest {
    Q_OBJECT
private slots:
    void monthLayout_data();
    void monthLayout();
    void gridGeometryFollowsElementZero();
    void textColoursByWeekday();
    void fillsByKind_data();
    void fillsByKind();
    void todayIsFramedOnlyInItsMonth();
    void holidayOnAWeekday();
    void navigation_data();
    void navigation();

private:
    // The program started on 2026/12/07 with the day's record in its file.
    void start(const QString &date = {}, const QString &note = {})
    {
        if (!date.isEmpty())
            writeData(recordLine({date, "", "", "", "", "", note}));
        panel_ = program_->start().calendar();
    }
    void draw(int year, int month) { panel_->showMonth(YearMonth{year, month}); }

    CalendarPanel *panel_ = nullptr;
};

void TestCalendar::monthLayout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("August 2026 over six rows") << 2026 << 8 << 6 << 36;
    QTest::newRow("February 2026 in four rows") << 2026 << 2 << 0 << 27;
    QTest::newRow("February 2000 leap") << 2000 << 2 << 2 << 30;
    QTest::newRow("February 1900 not leap") << 1900 << 2 << 4 << 31;
    QTest::newRow("February 2100 not leap") << 2100 << 2 << 1 << 28;
    QTest::newRow("February 2024 leap") << 2024 << 2 << 4 << 32;
}

void TestCalendar::monthLayout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, first);
    QFETCH(int, last);
    start();
    // Something to clear: a filled, framed cell everywhere.
    for (int i = 0; i < 42; ++i) {
        panel_->dayCell(i)->setFill(kRed);
        panel_->dayCell(i)->setBorder(true);
    }
    draw(year, month);
    for (int i = 0; i < 42; ++i) {
        DayLabel *cell = panel_->dayCell(i);
        QVERIFY(!cell->opaque());
        QVERIFY(!cell->border());
        if (i < first || i > last)
            QVERIFY2(cell->text().isEmpty(), qPrintable(QStringLiteral("cell %1").arg(i)));
        else
            QCOMPARE(cell->text(), QString::number(i - first + 1));
    }
}

void TestCalendar::gridGeometryFollowsElementZero()
{
    start();
    // Columns at 60, 335, 610 ... and rows at 630, 857, 1084 ... twips.
    QCOMPARE(panel_->dayCell(0)->geometry(), QRect(4, 42, 18, 15));
    QCOMPARE(panel_->dayCell(8)->geometry().topLeft(), QPoint(qRound(335 / 15.0), qRound(857 / 15.0)));
    QCOMPARE(panel_->dayCell(41)->geometry().topLeft(), QPoint(qRound(1710 / 15.0), qRound(1765 / 15.0)));
    QCOMPARE(panel_->weekLabel(6)->geometry().left(), qRound(1695 / 15.0));
    QCOMPARE(panel_->weekLabel(3)->text(), QStringLiteral("水"));
}

void TestCalendar::textColoursByWeekday()
{
    start();
    for (int row = 0; row < 6; ++row) {
        QCOMPARE(panel_->dayCell(7 * row)->textColor(), kRed);
        QCOMPARE(panel_->dayCell(7 * row + 6)->textColor(), kBlue);
        QCOMPARE(panel_->dayCell(7 * row + 3)->textColor(),
                 panel_->dayCell(7 * row + 3)->palette().color(QPalette::WindowText));
    }
    QCOMPARE(panel_->weekLabel(0)->textColor(), kRed);
    QCOMPARE(panel_->weekLabel(6)->textColor(), kBlue);
}

void TestCalendar::fillsByKind_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("worked") << "○○○作業" << kCyan;
    QTest::newRow("empty note") << "" << kCyan;
    QTest::newRow("whole day paid leave") << "有給休暇（１日）" << kMagenta;
    QTest::newRow("half day paid leave") << "有給休暇（半日）" << kMagenta;
    QTest::newRow("holiday") << "休日" << kRed;
    QTest::newRow("holiday followed by text") << "休日出勤の振替" << kRed;
    QTest::newRow("compensatory day off") << "代休" << kGreen;
    QTest::newRow("cancelled") << "取消" << QColor();
    QTest::newRow("beginning with cancelled") << "取消しました" << QColor();
    QTest::newRow("blanks before the marker") << "  休日" << kRed;
}

void TestCalendar::fillsByKind()
{
    QFETCH(QString, note);
    QFETCH(QColor, fill);
    start(QStringLiteral("2026/08/03"), note);
    draw(2026, 8);
    QCOMPARE(panel_->dayCell(6 + 2)->fill(), fill);
    QVERIFY(!panel_->dayCell(6 + 3)->opaque());
}

void TestCalendar::todayIsFramedOnlyInItsMonth()
{
    start();
    // 2026/12/07 is a Monday in the second row.
    QVERIFY(panel_->dayCell(8)->border());
    int framed = 0;
    for (int i = 0; i < 42; ++i)
        framed += panel_->dayCell(i)->border() ? 1 : 0;
    QCOMPARE(framed, 1);

    draw(2026, 11);
    for (int i = 0; i < 42; ++i)
        QVERIFY(!panel_->dayCell(i)->border());
    // The same month of another year is not the current month.
    draw(2025, 12);
    for (int i = 0; i < 42; ++i)
        QVERIFY(!panel_->dayCell(i)->border());
}

void TestCalendar::holidayOnAWeekday()
{
    start(QStringLiteral("2026/02/11"), QStringLiteral("設計"));
    draw(2026, 2);
    // February 2026 begins on a Sunday: Wednesday the 11th is cell 10.
    DayLabel *holiday = panel_->dayCell(10);
    DayLabel *before = panel_->dayCell(9);
    QCOMPARE(holiday->textColor(), kRed);
    QCOMPARE(holiday->fill(), kCyan);
    QCOMPARE(holiday->toolTip(), QStringLiteral("建国記念の日"));
    QCOMPARE(QAccessible::queryAccessibleInterface(holiday)->text(QAccessible::Description),
             QStringLiteral("祝日 建国記念の日 勤務 設計"));
    const QColor weekday = before->palette().color(QPalette::WindowText);
    QCOMPARE(before->textColor(), weekday);
    QVERIFY(before->toolTip().isEmpty());
    // The pointer resting on the cell shows the name.
    const QPoint over = holiday->geometry().center();
    QHelpEvent hover(QEvent::ToolTip, over, panel_->mapToGlobal(over));
    QApplication::sendEvent(panel_, &hover);
    QCOMPARE(QToolTip::text(), QStringLiteral("建国記念の日"));
    // Wednesday the 11th of March, in the same cell, is an ordinary
    // working day, before today and left without a record.
    draw(2026, 3);
    QCOMPARE(holiday->textColor(), weekday);
    QVERIFY(holiday->toolTip().isEmpty());
    QCOMPARE(holiday->accessibleDescription(), QStringLiteral("未入力"));
    QVERIFY(holiday->missing() && !holiday->opaque());
}

void TestCalendar::navigation_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("newYear");
    QTest::addColumn<int>("newMonth");
    QTest::newRow("< on January") << 2026 << 1 << "cmdPrevMonth" << 2025 << 12;
    QTest::newRow("> on December") << 2026 << 12 << "cmdNextMonth" << 2027 << 1;
    QTest::newRow("<< keeps the month") << 2026 << 5 << "cmdPrevYear" << 2025 << 5;
    QTest::newRow(">> keeps the month") << 2026 << 5 << "cmdNextYear" << 2027 << 5;
    QTest::newRow("<< at 1990 stays") << 1990 << 3 << "cmdPrevYear" << 1990 << 3;
    QTest::newRow(">> at 2100 stays") << 2100 << 3 << "cmdNextYear" << 2100 << 3;
    QTest::newRow("< on January 1990 passes the limit") << 1990 << 1 << "cmdPrevMonth" << 1989 << 12;
    QTest::newRow("> on December 2100 passes the limit") << 2100 << 12 << "cmdNextMonth" << 2101 << 1;
}

void TestCalendar::navigation()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, button);
    QFETCH(int, newYear);
    QFETCH(int, newMonth);
    start();
    draw(year, month);
    QSignalSpy navigations(panel_, &CalendarPanel::monthShown);
    for (int i = 0; i < 42; ++i)
        panel_->dayCell(i)->setText(QStringLiteral("x"));
    auto *b = panel_->findChild<QPushButton *>(button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(panel_->yearLabel()->text(), QString::number(newYear));
    QCOMPARE(panel_->monthLabel()->text(), QString::number(newMonth));
    QCOMPARE(navigations.count(), 1);
    // Redrawn, also at a limit.
    const MonthLayout layout = zentak::monthLayout(newYear, newMonth);
    QCOMPARE(panel_->dayCell(layout.firstCell)->text(), QStringLiteral("1"));
    QVERIFY(panel_->dayCell(41)->text().isEmpty() || layout.lastCell == 41);
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
