#include "workedtime.h"

#include "numbers.h"
#include "timerules.h"

namespace zentak {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kOvertimeDeduction = 15;

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

WorkedTime computeWorkedTime(const QString &start, const QString &end, const BreakRules &rules)
{
    WorkedTime out;
    if (!isTimeText(start)) {
        out.failure = WorkedTime::Failure::Start;
        return out;
    }
    if (!isTimeText(end)) {
        out.failure = WorkedTime::Failure::End;
        return out;
    }

    // Time texts compare by character codes; for "HH:MM" that is the
    // chronological order. A start later than the end means work across
    // midnight.
    int d = minutesOfTime(end) - minutesOfTime(start);
    if (start.compare(end) > 0)
        d += kMinutesPerDay;
    // Only odd longer texts (minutes past 59 behind the colon of a text with
    // seconds) can leave the day; keep D a time of day as the output needs.
    d = ((d % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;

    const bool startsBeforeOne = start.compare(u"13:00") < 0;
    const bool endsAfterOne = end.compare(u"13:00") > 0;
    const bool endsEarlyMorning = end.compare(u"07:00") <= 0;
    const bool lunchDue = (startsBeforeOne || rules.shiftWork != 0) && (endsAfterOne || endsEarlyMorning);
    if (const int lunch = lunchBreakMinutes(rules.lunchBreak); lunchDue && lunch > 0 && d >= lunch)
        d -= lunch;

    if (!rules.regularHours.isEmpty()) {
        const QStringView day(rules.regularHours);
        const int h = leadingDigits(day.left(2));
        const int m = leadingDigits(day.size() < 2 ? day : day.right(2));
        if (d >= h * 60 + m + kOvertimeDeduction)
            d -= kOvertimeDeduction;
    }

    out.worked = twoDigits(d / 60) + QLatin1Char(':') + twoDigits(d % 60);
    out.attendance = quarterHours(out.worked);
    return out;
}

} // namespace zentak
