#pragma once
// Overtime and holiday work as the labour law counts them, from the worked
// time of the records, and the limits of the overtime agreement (the "36
// agreement") they are held against. Every figure is whole minutes; they
// are shown as hours and minutes (hoursMinutesText, timerules.h).
//
// A day's worked time is its record's worked field as stored. Overtime is
// the worked time beyond 8:00 a day, and beyond 40:00 a week (Sunday to
// Saturday) where it is not a day's overtime already, counted on the day on
// which the week passes 40:00. Work on the legal rest day is holiday work:
// neither overtime nor part of the week's 40 hours.

#include "attendancetable.h"
#include "calendarmath.h"
#include "timerules.h"

#include <QDate>
#include <QList>

#include <array>

namespace zentak {

struct DayLaw {
    int overtime = 0;    // 時間外労働
    int holidayWork = 0; // 休日労働
    int total() const { return overtime + holidayWork; }
    DayLaw &operator+=(const DayLaw &other);
    bool operator==(const DayLaw &) const = default;
};

// The day's worked time as the law counts it: the worked field of its
// record; 0 for a day without a record, a leave or cancelled day and a
// worked field that is not a time.
int lawWorkedMinutes(const AttendanceTable &table, QDate day);

// The figures of each day of the month, the 1st first. The days of the
// months before and after that share a week with the month count towards
// that week's 40 hours. Nothing for a month no calendar has.
QList<DayLaw> lawOfMonthDays(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay);
// Their sums.
DayLaw lawOfMonth(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay);

// A limit: a figure may reach it (AtMost) or must stay below it (Under).
enum class LimitKind { AtMost, Under };
struct Limit {
    int value = 0;
    LimitKind kind = LimitKind::AtMost;
};
inline constexpr Limit kMonthOvertimeLimit{45 * 60};
inline constexpr Limit kYearOvertimeLimit{360 * 60};
inline constexpr Limit kYearOvertimeSpecialLimit{720 * 60};
// Overtime and holiday work of a single month.
inline constexpr Limit kMonthTotalLimit{100 * 60, LimitKind::Under};
// Overtime and holiday work averaged over 2 to 6 months.
inline constexpr Limit kAverageLimit{80 * 60};
// Months whose overtime passed the month's limit, in a year.
inline constexpr Limit kMonthsOverLimit{6};

enum class LimitState { Within, Near, Over };
// Near from 80% of the limit; over past it (an Under limit: from it on).
LimitState limitState(int value, Limit limit);

// Twelve months from a first month the user chooses.
struct AgreementYear {
    YearMonth first;
    std::array<DayLaw, 12> months{};
    int overtime = 0;        // the twelve months' overtime
    int monthsOverLimit = 0; // months whose overtime passed 45:00
    // The highest average of overtime and holiday work over 2, 3, 4, 5 and
    // 6 consecutive months ending at a month of the year up to today's
    // (earlier months counted with their own records), rounded down.
    int highestAverage = 0;
    int highestMonth = 0; // the highest month's overtime and holiday work

    YearMonth monthAt(int index) const;
};
// The first year of the agreement year that holds the day.
int agreementYearHolding(QDate day, int startMonth);
AgreementYear agreementYear(const AttendanceTable &table, int firstYear, int startMonth, Qt::DayOfWeek restDay,
                            QDate today);

// The month's overtime as it goes: the overtime up to today, plus for each
// working day after today the average overtime (rounded down) of the
// working days up to today that have a record.
int projectedOvertime(const AttendanceTable &table, int year, int month, Qt::DayOfWeek restDay, QDate today);

} // namespace zentak
