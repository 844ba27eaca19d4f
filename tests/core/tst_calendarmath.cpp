// Month layout, weekdays, day kinds by note and the calendar's navigation.

#include "calendarmath.h"
#include "daykind.h"

#include <QTest>

using namespace zentak;

Q_DECLARE_METATYPE(DayKind)

class TestCalendarMath : public QObject {
    Q_OBJECT
private slots:
    void monthLayout_data();
    void monthLayout();
    void weekdayOfDate_data();
    void weekdayOfDate();
    void weekdayKanji_data();
    void weekdayKanji();
    void weekdayKanjiOutOfRange_data();
    void weekdayKanjiOutOfRange();
    void kindOfNote_data();
    void kindOfNote();
    void navigation_data();
    void navigation();
};

void TestCalendarMath::monthLayout_data()
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

void TestCalendarMath::monthLayout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QFETCH(int, firstCell);
    QFETCH(int, lastCell);
    const MonthLayout layout = zentak::monthLayout(year, month);
    QCOMPARE(layout.daysInMonth, days);
    QCOMPARE(layout.firstCell, firstCell);
    QCOMPARE(layout.lastCell, lastCell);
}

// The weekday of a date: each of the seven, Sunday first as the calendar's columns.
void TestCalendarMath::weekdayOfDate_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("kanji");
    QTest::newRow("2007/03/05 Monday") << QDate(2007, 3, 5) << "月";
    QTest::newRow("2024/02/29 Thursday") << QDate(2024, 2, 29) << "木";
    QTest::newRow("2024/03/01 Friday") << QDate(2024, 3, 1) << "金";
    QTest::newRow("2000/01/01 Saturday") << QDate(2000, 1, 1) << "土";
    QTest::newRow("2026/08/02 Sunday") << QDate(2026, 8, 2) << "日";
    QTest::newRow("2026/06/09 Tuesday") << QDate(2026, 6, 9) << "火";
    QTest::newRow("2026/06/10 Wednesday") << QDate(2026, 6, 10) << "水";
    QTest::newRow("no date") << QDate() << "";
}

void TestCalendarMath::weekdayOfDate()
{
    QFETCH(QDate, day);
    QFETCH(QString, kanji);
    QCOMPARE(zentak::weekdayKanji(day), kanji);
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

void TestCalendarMath::kindOfNote_data()
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

void TestCalendarMath::kindOfNote()
{
    QFETCH(QString, note);
    QFETCH(DayKind, kind);
    QCOMPARE(zentak::kindOfNote(note), kind);
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
        to = previousYear(from);
    else if (button == u">>")
        to = nextYear(from);
    else if (button == u"<")
        to = previousMonth(from);
    else if (button == u">")
        to = nextMonth(from);
    else
        QFAIL("unknown button in the table");
    QCOMPARE(to.year, newYear);
    QCOMPARE(to.month, newMonth);
}

QTEST_APPLESS_MAIN(TestCalendarMath)
#include "tst_calendarmath.moc"
