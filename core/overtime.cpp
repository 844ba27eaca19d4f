#include "overtime.h"

#include "daykind.h"
#include "workingdays.h"

#include <algorithm>

namespace zentak {

namespace {

constexpr int kDayHours = 8 * 60;
constexpr int kWeekHours = 40 * 60;
// The averages reach back over this many months at most.
constexpr int kLongestAverage = 6;

bool isRecorded(const AttendanceTable &table, QDate day)
{
    const DayKey key = keyOf(day);
    return table.inUse(key) && kindOfNote(table.stored(key, Field::Note)) != DayKind::Cancelled;
}

// The months counted from year 0, to compare and step.
int monthNumber(YearMonth m)
{
    return m.year * 12 + m.month - 1;
}

YearMonth monthOfNumber(int n)
{
    return {n / 12, n % 12 + 1};
}

} // namespace

DayLaw &DayLaw::operator+=(const DayLaw &other)
{
    overtime += other.overtime;
    holidayWork += other.holidayWork;
    return *this;
}

int lawWorkedMinutes(const AttendanceTable &table, QDate day)
{
    const DayKey key = keyOf(day);
    if (!table.inUse(key) || kindOfNote(table.stored(key, Field::Note)) != DayKind::Worked)
        return 0;
    const QStringView worked = table.stored(key, Field::Worked);
    return isTimeText(worked) ? minutesOfTime(worked) : 0;
}

QList<DayLaw> lawOfMonthDays(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    const QDate last(year, month, first.daysInMonth());
    QList<DayLaw> days;
    days.reserve(first.daysInMonth());
    // From the Sunday of the first week; each day's worked time within
    // 8:00 counts towards its week's 40 hours until they are full.
    int weekHours = 0;
    for (QDate d = first.addDays(-(first.dayOfWeek() % 7)); d <= last; d = d.addDays(1)) {
        if (d.dayOfWeek() == Qt::Sunday)
            weekHours = 0;
        const int worked = lawWorkedMinutes(table, d);
        DayLaw law;
        if (d.dayOfWeek() == restDay) {
            law.holidayWork = worked;
        } else {
            const int withinWeek = std::min({worked, kDayHours, std::max(0, kWeekHours - weekHours)});
            weekHours += withinWeek;
            law.overtime = worked - withinWeek;
        }
        if (d >= first)
            days.append(law);
    }
    return days;
}

DayLaw lawOfMonth(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay)
{
    DayLaw sum;
    for (const DayLaw &day : lawOfMonthDays(table, year, month, restDay))
        sum += day;
    return sum;
}

LimitState limitState(int value, Limit limit)
{
    const bool over = limit.kind == LimitKind::Under ? value >= limit.value : value > limit.value;
    if (over)
        return LimitState::Over;
    return qint64(value) * 5 >= qint64(limit.value) * 4 ? LimitState::Near : LimitState::Within;
}

YearMonth AgreementYear::monthAt(int index) const
{
    return monthOfNumber(monthNumber(first) + index);
}

int agreementYearHolding(QDate day, int startMonth)
{
    return day.month() >= startMonth ? day.year() : day.year() - 1;
}

AgreementYear agreementYear(const AttendanceTable &table, int firstYear, int startMonth, Qt::DayOfWeek restDay,
                            QDate today)
{
    AgreementYear year;
    year.first = {firstYear, startMonth};
    // Overtime and holiday work of the months before the year that the
    // averages reach, then of the year's own.
    constexpr int kBefore = kLongestAverage - 1;
    std::array<int, kBefore + 12> totals{};
    for (int i = 0; i < int(totals.size()); ++i) {
        const YearMonth m = year.monthAt(i - kBefore);
        const DayLaw law = lawOfMonth(table, m.year, m.month, restDay);
        totals[size_t(i)] = law.total();
        if (i >= kBefore)
            year.months[size_t(i - kBefore)] = law;
    }
    const int thisMonth = monthNumber(yearMonthOf(today));
    for (int i = 0; i < 12; ++i) {
        const DayLaw &law = year.months[size_t(i)];
        year.overtime += law.overtime;
        if (limitState(law.overtime, kMonthOvertimeLimit) == LimitState::Over)
            ++year.monthsOverLimit;
        year.highestMonth = std::max(year.highestMonth, law.total());
        if (monthNumber(year.monthAt(i)) > thisMonth)
            continue;
        int sum = totals[size_t(i + kBefore)];
        for (int n = 2; n <= kLongestAverage; ++n) {
            sum += totals[size_t(i + kBefore - n + 1)];
            year.highestAverage = std::max(year.highestAverage, sum / n);
        }
    }
    return year;
}

int projectedOvertime(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay, QDate today)
{
    const QList<DayLaw> days = lawOfMonthDays(table, year, month, restDay);
    int soFar = 0;
    int recordedOvertime = 0;
    int recordedDays = 0;
    int daysLeft = 0;
    for (int i = 0; i < days.size(); ++i) {
        const QDate day(year, month, i + 1);
        const bool working = isWorkingDay(day, restDay);
        if (day > today) {
            daysLeft += working ? 1 : 0;
            continue;
        }
        soFar += days[i].overtime;
        if (working && isRecorded(table, day)) {
            recordedOvertime += days[i].overtime;
            ++recordedDays;
        }
    }
    const int average = recordedDays > 0 ? recordedOvertime / recordedDays : 0;
    return soFar + daysLeft * average;
}

} // namespace zentak
