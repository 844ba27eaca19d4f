#include "endofday.h"

#include "timerules.h"
#include "workingdays.h"

namespace zentak {

bool isDayNotRecorded(const AttendanceTable &table, QDate day, Qt::DayOfWeek restDay)
{
    return isWorkingDay(day, restDay) && !table.inUse(keyOf(day));
}

QList<QDate> daysNotRecorded(const AttendanceTable &table, YearMonth month, QDate today,
                             Qt::DayOfWeek restDay)
{
    QList<QDate> days;
    const QDate first = month.first();
    for (QDate day = first; day.isValid() && day.month() == first.month() && day < today; day = day.addDays(1))
        if (isDayNotRecorded(table, day, restDay))
            days.append(day);
    return days;
}

std::optional<QDateTime> usualEndOfDay(QDate day, const Settings &s)
{
    if (!day.isValid() || !isTimeText(s.usualStart) || !isTimeText(s.regularHours))
        return std::nullopt;
    const int minutes = minutesOfTime(s.usualStart) + minutesOfTime(s.regularHours) + lunchBreakMinutes(s.lunchBreak);
    return QDateTime(day, QTime(0, 0)).addSecs(qint64(minutes) * 60);
}

bool reminderDue(const AttendanceTable &table, QDate day, const Settings &s)
{
    return s.remind && isDayNotRecorded(table, day, s.restDay);
}

ReminderStep reminderStep(const AttendanceTable &table, const Settings &s, const QDateTime &now,
                          QDate lastReminded)
{
    if (!s.remind)
        return {};
    const QDate today = now.date();
    ReminderStep step;
    // Yesterday's work may end today (a night shift).
    for (const QDate day : {today.addDays(-1), today}) {
        if (lastReminded.isValid() && day <= lastReminded)
            continue;
        const std::optional<QDateTime> end = usualEndOfDay(day, s);
        if (!end || !reminderDue(table, day, s))
            continue;
        if (*end <= now && end->date() == today)
            return {day, std::nullopt};
        if (*end > now && (!step.lookAgainAt || *end < *step.lookAgainAt))
            step.lookAgainAt = end;
    }
    return step;
}

} // namespace zentak
