// Month layout, weekdays, day kinds by note and the calendar's navigation.

#include "calendarmath.h"

#include <QTest>

using namespace zentak;

Q_DECLARE_METATYPE(DayKind)

class TestCalendarMath : public QObject {
    Q_OBJECT
private slots:
    void leapyear_data();
    void leapyear();
    void daysInMonth_data();
    void daysInMonth();
    void monthOutOfRange_data();
    void monthOutOfRange();
    void calpos_data();
    void calpos();
    void weekdayOf_data();
    void weekdayOf();
    void weekdayKanji_data();
    void weekdayKanji();
    void weekdayKanjiOutOfRange_data();
    void weekdayKanjiOutOfRange();
    void classifyNote_data();
    void classifyNote();
    void navigation_data();
    void navigation();
};

void TestCalendarMath::leapyear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900 century") << 1900 << false;
    QTest::newRow("2000 fourth century") << 2000 << true;
    QTest::newRow("2024 fourth year") << 2024 << true;
    QTest::newRow("2100 century") << 2100 << false;
    QTest::newRow("2023 plain") << 2023 << false;
    QTest::newRow("2026 plain") << 2026 << false;
    QTest::newRow("1600 fourth century") << 1600 << true;
    QTest::newRow("year 4") << 4 << true;
}

void TestCalendarMath::leapyear()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(zentak::leapyear(year), leap);
}

void TestCalendarMath::daysInMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("Feb 1900") << 1900 << 2 << 28;
    QTest::newRow("Feb 2000") << 2000 << 2 << 29;
    QTest::newRow("Feb 2024") << 2024 << 2 << 29;
    QTest::newRow("Feb 2100") << 2100 << 2 << 28;
    QTest::newRow("Jan") << 2026 << 1 << 31;
    QTest::newRow("Mar") << 2026 << 3 << 31;
    QTest::newRow("Apr") << 2026 << 4 << 30;
    QTest::newRow("May") << 2026 << 5 << 31;
    QTest::newRow("Jun") << 2026 << 6 << 30;
    QTest::newRow("Jul") << 2026 << 7 << 31;
    QTest::newRow("Aug") << 2026 << 8 << 31;
    QTest::newRow("Sep") << 2026 << 9 << 30;
    QTest::newRow("Oct") << 2026 << 10 << 31;
    QTest::newRow("Nov") << 2026 << 11 << 30;
    QTest::newRow("Dec") << 2026 << 12 << 31;
}

void TestCalendarMath::daysInMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(zentak::daysInMonth(year, month), days);
}

// A month outside 1..12 is read as the nearest valid one.
void TestCalendarMath::monthOutOfRange_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("firstWeekday");
    QTest::newRow("month 0 as January") << 0 << 31 << 4;       // 2026/01/01 Thursday
    QTest::newRow("month -5 as January") << -5 << 31 << 4;
    QTest::newRow("month 13 as December") << 13 << 31 << 2;    // 2026/12/01 Tuesday
    QTest::newRow("month 1000 as December") << 1000 << 31 << 2;
}

void TestCalendarMath::monthOutOfRange()
{
    QFETCH(int, month);
    QFETCH(int, days);
    QFETCH(int, firstWeekday);
    QCOMPARE(zentak::daysInMonth(2026, month), days);
    QCOMPARE(zentak::firstWeekday(2026, month), firstWeekday);
}

void TestCalendarMath::calpos_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("lastCell");
    QTest::newRow("Aug 2026 six rows") << 2026 << 8 << 31 << 6 << 36;
    QTest::newRow("Feb 2026 four rows") << 2026 << 2 << 28 << 0 << 27;
    QTest::newRow("Feb 2024 leap") << 2024 << 2 << 29 << 4 << 32;
    QTest::newRow("Jan 2000") << 2000 << 1 << 31 << 6 << 36;
    QTest::newRow("Mar 2007") << 2007 << 3 << 31 << 4 << 34;
    QTest::newRow("Sep 1752 proleptic") << 1752 << 9 << 30 << 5 << 34;
}

void TestCalendarMath::calpos()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    const MonthLayout layout = zentak::calpos(year, month);
    QCOMPARE(layout.daysInMonth, days);
    QCOMPARE(layout.firstCell, firstCell);
    QCOMPARE(layout.lastCell, lastCell);
}

void TestCalendarMath::weekdayOf_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<QString>("kanji");
    QTest::newRow("2007/03/05 Monday") << 2007 << 3 << 5 << 1 << "月";
    QTest::newRow("2024/01/15 Monday") << 2024 << 1 << 15 << 1 << "月";
    QTest::newRow("2024/02/29 Thursday") << 2024 << 2 << 29 << 4 << "木";
    QTest::newRow("2024/03/01 Friday") << 2024 << 3 << 1 << 5 << "金";
    QTest::newRow("2000/01/01 Saturday") << 2000 << 1 << 1 << 6 << "土";
    QTest::newRow("1990/01/01 Monday") << 1990 << 1 << 1 << 1 << "月";
    QTest::newRow("2100/12/31 Friday") << 2100 << 12 << 31 << 5 << "金";
    QTest::newRow("2026/08/02 Sunday") << 2026 << 8 << 2 << 0 << "日";
    QTest::newRow("1970/01/01 Thursday") << 1970 << 1 << 1 << 4 << "木";
    QTest::newRow("0001/01/01 Monday") << 1 << 1 << 1 << 1 << "月";
    QTest::newRow("9999/12/31 Friday") << 9999 << 12 << 31 << 5 << "金";
    QTest::newRow("1900/03/01 Thursday") << 1900 << 3 << 1 << 4 << "木";
    QTest::newRow("2026/06/09 Tuesday") << 2026 << 6 << 9 << 2 << "火";
    QTest::newRow("2026/06/10 Wednesday") << 2026 << 6 << 10 << 3 << "水";
}

void TestCalendarMath::weekdayOf()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, weekday);
    QFETCH(QString, kanji);
    QCOMPARE(zentak::weekdayOf(year, month, day), weekday);
    QCOMPARE(zentak::weekdayKanji(zentak::weekdayOf(year, month, day)), kanji);
}

void TestCalendarMath::weekdayKanji_data()
{
    QTest::addColumn<int>("weekday");
    QTest::addColumn<QString>("kanji");
    QTest::newRow("0 Sunday") << 0 << "日";
    QTest::newRow("1 Monday") << 1 << "月";
    QTest::newRow("2 Tuesday") << 2 << "火";
    QTest::newRow("3 Wednesday") << 3 << "水";
    QTest::newRow("4 Thursday") << 4 << "木";
    QTest::newRow("5 Friday") << 5 << "金";
    QTest::newRow("6 Saturday") << 6 << "土";
}

void TestCalendarMath::weekdayKanji()
{
    QFETCH(int, weekday);
    QFETCH(QString, kanji);
    QCOMPARE(zentak::weekdayKanji(weekday), kanji);
}

void TestCalendarMath::weekdayKanjiOutOfRange_data()
{
    QTest::addColumn<int>("weekday");
    QTest::newRow("-1") << -1;
    QTest::newRow("7") << 7;
    QTest::newRow("large") << 1000;
}

void TestCalendarMath::weekdayKanjiOutOfRange()
{
    QFETCH(int, weekday);
    QVERIFY(zentak::weekdayKanji(weekday).isEmpty());
}

void TestCalendarMath::classifyNote_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<DayKind>("kind");
    QTest::newRow("half-day paid leave") << "有給休暇（半日）" << DayKind::PaidLeave;
    QTest::newRow("whole-day paid leave") << "有給休暇（１日）" << DayKind::PaidLeave;
    QTest::newRow("paid leave bare") << "有給休暇" << DayKind::PaidLeave;
    QTest::newRow("paid leave first three only") << "有給休" << DayKind::Worked;
    QTest::newRow("empty note") << "" << DayKind::Worked;
    QTest::newRow("blank note") << "     " << DayKind::Worked;
    QTest::newRow("work note") << "資料作成" << DayKind::Worked;
    QTest::newRow("cancelled") << "取消" << DayKind::Cancelled;
    QTest::newRow("cancelled with text") << "取消 会議" << DayKind::Cancelled;
    QTest::newRow("holiday") << "休日" << DayKind::Holiday;
    QTest::newRow("holiday with text") << "休日出勤なし" << DayKind::Holiday;
    QTest::newRow("holiday with blanks around") << "  休日  " << DayKind::Holiday;
    QTest::newRow("compensatory") << "代休" << DayKind::Compensatory;
    QTest::newRow("compensatory leading blank") << " 代休（振替）" << DayKind::Compensatory;
    QTest::newRow("cancelled leading blanks") << "   取消" << DayKind::Cancelled;
    QTest::newRow("paid leave trailing blanks") << "有給休暇（半日）   " << DayKind::PaidLeave;
    QTest::newRow("cancel word later") << "会議取消" << DayKind::Worked;
    QTest::newRow("holiday word later") << "振替休日" << DayKind::Worked;
    QTest::newRow("full-width blank not trimmed") << QString::fromUtf8("\u3000休日") << DayKind::Worked;
}

void TestCalendarMath::classifyNote()
{
    QFETCH(QString, note);
    QFETCH(DayKind, kind);
    QCOMPARE(zentak::classifyNote(note), kind);
}

void TestCalendarMath::navigation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("newYear");
    QTest::addColumn<int>("newMonth");
    QTest::newRow("< January 2026") << "<" << 2026 << 1 << 2025 << 12;
    QTest::newRow("< June 2026") << "<" << 2026 << 6 << 2026 << 5;
    QTest::newRow("> December 2026") << ">" << 2026 << 12 << 2027 << 1;
    QTest::newRow("> June 2026") << ">" << 2026 << 6 << 2026 << 7;
    QTest::newRow("<< at 1990 unchanged") << "<<" << 1990 << 5 << 1990 << 5;
    QTest::newRow("<< at 1991") << "<<" << 1991 << 5 << 1990 << 5;
    QTest::newRow(">> at 2100 unchanged") << ">>" << 2100 << 7 << 2100 << 7;
    QTest::newRow(">> at 2099") << ">>" << 2099 << 7 << 2100 << 7;
    QTest::newRow("<< keeps month") << "<<" << 2026 << 1 << 2025 << 1;
    QTest::newRow(">> keeps month") << ">>" << 2026 << 12 << 2027 << 12;
    QTest::newRow("< January 1990 crosses limit") << "<" << 1990 << 1 << 1989 << 12;
    QTest::newRow("> December 2100 crosses limit") << ">" << 2100 << 12 << 2101 << 1;
    QTest::newRow("<< below limit unchanged") << "<<" << 1989 << 12 << 1989 << 12;
    QTest::newRow(">> above limit unchanged") << ">>" << 2101 << 1 << 2101 << 1;
}

void TestCalendarMath::navigation()
{
    QFETCH(QString, button);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, newYear);
    QFETCH(int, newMonth);
    const YearMonth from{year, month};
    YearMonth to;
    if (button == u"<<")
        to = prevYear(from);
    else if (button == u">>")
        to = nextYear(from);
    else if (button == u"<")
        to = prevMonth(from);
    else if (button == u">")
        to = nextMonth(from);
    else
        QFAIL("unknown button in the table");
    QCOMPARE(to.year, newYear);
    QCOMPARE(to.month, newMonth);
}

QTEST_APPLESS_MAIN(TestCalendarMath)
#include "tst_calendarmath.moc"
