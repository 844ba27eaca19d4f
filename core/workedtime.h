#pragma once
// A day's worked time and attendance value from its start and end.

#include <QString>

namespace zentak {

// The lunch break a day's worked time loses: none, 60 or 45 minutes.
enum class LunchBreak { None, Minutes60, Minutes45 };
constexpr int lunchBreakMinutes(LunchBreak lunch)
{
    return lunch == LunchBreak::Minutes60 ? 60 : lunch == LunchBreak::Minutes45 ? 45 : 0;
}

struct BreakRules {
    LunchBreak lunchBreak = LunchBreak::None;
    int shiftWork = 0; // on when not 0
    QString regularHours = QStringLiteral("08:00");
};

struct WorkedTime {
    enum class Failure { None, Start, End };
    Failure failure = Failure::None;
    QString worked; // "hh:mm"
    QString attendance; // decimal hours, whole quarter hours
};

// Checks start and end (time texts); when both pass, the worked time after
// the breaks and its attendance value.
WorkedTime computeWorkedTime(const QString &start, const QString &end, const BreakRules &rules);

} // namespace zentak
