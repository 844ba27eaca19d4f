#pragma once
// The month the calendar shows: where its days fall in the grid of six weeks
// (Sunday first), and the steps between months and years.

#include <QDate>

namespace zentak {

struct MonthLayout {
    int daysInMonth = 0;
    int firstCell = 0; // the cell of day 1: its weekday, Sunday 0
    int lastCell = 0;
};
MonthLayout monthLayout(int year, int month);

struct YearMonth {
    int year = 0;
    int month = 0;
    QDate first() const { return QDate(year, month, 1); }
    bool holds(QDate day) const { return day.year() == year && day.month() == month; }
};
YearMonth yearMonthOf(QDate day);

// The year steps stay within 1990..2100 (a step at a limit keeps the year);
// the month steps carry the year on without a limit.
YearMonth previousYear(YearMonth shown);
YearMonth nextYear(YearMonth shown);
YearMonth previousMonth(YearMonth shown);
YearMonth nextMonth(YearMonth shown);

} // namespace zentak
