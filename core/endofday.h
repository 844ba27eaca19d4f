#pragma once
// The working days left without a record, and the reminder at the end of a
// working day whose record is still missing. The clock is the caller's:
// every rule is given `today` or `now`.

#include "attendancetable.h"
#include "calendarmath.h"
#include "settings.h"

#include <QDate>
#include <QDateTime>
#include <QList>

#include <optional>

namespace zentak {

// A working day (workingdays.h) without a record. A cancelled day has one:
// the user marked it.
bool isDayNotRecorded(const AttendanceTable &table, QDate day, Qt::DayOfWeek restDay);

// The month's days not recorded before `today`, in order.
QList<QDate> daysNotRecorded(const AttendanceTable &table, YearMonth month, QDate today,
                             Qt::DayOfWeek restDay);

// The usual end of the day's work: the usual start, then the regular hours
// and the lunch break chosen (none chosen: no break, as the worked time then
// deducts none). It may fall on the next day. None when the start or the
// hours are not time texts.
std::optional<QDateTime> usualEndOfDay(QDate day, const Settings &settings);

// The day is one to be reminded of: reminders are on, and it is a day not
// recorded.
bool reminderDue(const AttendanceTable &table, QDate day, const Settings &settings);

// What the reminder does at `now`. A day is reminded of from its usual end
// until the end of that end's date, once: `lastReminded` is the last day
// reminded of (null when none).
struct ReminderStep {
    // The day to remind of now; the caller reminds of it and asks again.
    std::optional<QDate> remindOf;
    // Else when to look again: the usual end of a day still to be reminded
    // of; none when there is none until the date changes, or while
    // reminders are off.
    std::optional<QDateTime> lookAgainAt;
};
ReminderStep reminderStep(const AttendanceTable &table, const Settings &settings, const QDateTime &now,
                          QDate lastReminded);

} // namespace zentak
