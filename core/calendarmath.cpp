#include "calendarmath.h"

#include "fixedtext.h"

#include <algorithm>

namespace zentak {

namespace {

constexpr int kFirstNavigableYear = 1990;
constexpr int kLastNavigableYear = 2100;

int clampMonth(int month)
{
    return std::clamp(month, 1, 12);
}

int mod7(long long n)
{
    return static_cast<int>(((n % 7) + 7) % 7);
}

} // namespace

bool leapyear(int year)
{
    if (year % 100 != 0)
        return year % 4 == 0;
    return year % 400 == 0;
}

// A month outside 1..12 is treated as the nearest valid month.
int daysInMonth(int year, int month)
{
    switch (clampMonth(month)) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return leapyear(year) ? 29 : 28;
    default:
        return 31;
    }
}

// Sakamoto's method on the proleptic Gregorian calendar. The calendar repeats
// every 400 years (146097 days, a whole number of weeks), so the year is first
// brought into 400..799; that keeps the arithmetic positive for any year.
// A day outside the month simply counts on from day 1.
int weekdayOf(int year, int month, int day)
{
    static constexpr int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int m = clampMonth(month);
    long long y = ((static_cast<long long>(year) % 400) + 400) % 400 + 400;
    if (m < 3)
        y -= 1;
    return mod7(y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + static_cast<long long>(day));
}

int firstWeekday(int year, int month)
{
    return weekdayOf(year, month, 1);
}

QString weekdayKanji(int weekday)
{
    static const char16_t *const names[7] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    if (weekday < 0 || weekday > 6)
        return {};
    return QString::fromUtf16(names[weekday]);
}

MonthLayout calpos(int year, int month)
{
    MonthLayout layout;
    layout.daysInMonth = daysInMonth(year, month);
    layout.firstCell = firstWeekday(year, month);
    layout.lastCell = layout.firstCell + layout.daysInMonth - 1;
    return layout;
}

// The tests run in this order on the note with blanks removed at both ends;
// the first that holds decides.
DayKind classifyNote(const QString &note)
{
    const QString text = trimBlanks(note);
    if (leftChars(text, 2) == u"休日")
        return DayKind::Holiday;
    if (leftChars(text, 2) == u"代休")
        return DayKind::Compensatory;
    if (leftChars(text, 4) == u"有給休暇")
        return DayKind::PaidLeave;
    if (leftChars(text, 2) != u"取消")
        return DayKind::Worked;
    return DayKind::Cancelled;
}

// The year steps stay within 1990..2100; the month steps carry the year
// across those limits without a check.
YearMonth prevYear(YearMonth ym)
{
    if (ym.year > kFirstNavigableYear)
        --ym.year;
    return ym;
}

YearMonth nextYear(YearMonth ym)
{
    if (ym.year < kLastNavigableYear)
        ++ym.year;
    return ym;
}

YearMonth prevMonth(YearMonth ym)
{
    --ym.month;
    if (ym.month == 0) {
        ym.month = 12;
        --ym.year;
    }
    return ym;
}

YearMonth nextMonth(YearMonth ym)
{
    ++ym.month;
    if (ym.month == 13) {
        ym.month = 1;
        ++ym.year;
    }
    return ym;
}

} // namespace zentak
