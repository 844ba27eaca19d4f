#include "calendarmath.h"

namespace zentak {

namespace {

constexpr int kFirstNavigableYear = 1990;
constexpr int kLastNavigableYear = 2100;

} // namespace

MonthLayout monthLayout(int year, int month)
{
    const QDate first(year, month, 1);
    MonthLayout layout;
    layout.daysInMonth = first.daysInMonth();
    layout.firstCell = first.dayOfWeek() % 7;
    layout.lastCell = layout.firstCell + layout.daysInMonth - 1;
    return layout;
}

YearMonth yearMonthOf(QDate day)
{
    return {day.year(), day.month()};
}

YearMonth previousYear(YearMonth shown)
{
    if (shown.year > kFirstNavigableYear)
        --shown.year;
    return shown;
}

YearMonth nextYear(YearMonth shown)
{
    if (shown.year < kLastNavigableYear)
        ++shown.year;
    return shown;
}

YearMonth previousMonth(YearMonth shown)
{
    return yearMonthOf(shown.first().addMonths(-1));
}

YearMonth nextMonth(YearMonth shown)
{
    return yearMonthOf(shown.first().addMonths(1));
}

} // namespace zentak
