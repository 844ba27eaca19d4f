#pragma once
// Month arithmetic of the calendar and the day kinds it paints.

#include <QString>

namespace zentak {

bool leapyear(int year);
int daysInMonth(int year, int month);
// Weekday of day 1 of the month: Sunday 0 ... Saturday 6.
int firstWeekday(int year, int month);
// Weekday of any date, Sunday 0.
int weekdayOf(int year, int month, int day);
// "日" ... "土" for Sunday 0 ... Saturday 6.
QString weekdayKanji(int weekday);

struct MonthLayout {
    int daysInMonth = 0;
    int firstCell = 0;
    int lastCell = 0;
};
MonthLayout calpos(int year, int month);

enum class DayKind { Worked, PaidLeave, Holiday, Compensatory, Cancelled };
// Kind of a day in use, by its note.
DayKind classifyNote(const QString &note);

struct YearMonth {
    int year = 0;
    int month = 0;
};
YearMonth prevYear(YearMonth ym);
YearMonth nextYear(YearMonth ym);
YearMonth prevMonth(YearMonth ym);
YearMonth nextMonth(YearMonth ym);

} // namespace zentak
