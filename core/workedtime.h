#pragma once
// A day's worked time and attendance value from its start and end.

#include <QString>

namespace zentak {

struct BreakRules {
    bool t6Sw = false;  // lunch break of 60 minutes
    bool t4Sw = false;  // lunch break of 45 minutes
    int sift = 0;       // shift work when not 0
    QString dayTM = QStringLiteral("08:00"); // regular working hours
};

struct WorkedTime {
    enum class Failure { None, Start, End };
    Failure failure = Failure::None;
    QString worked; // "hh:mm"
    QString kintai; // decimal hours, quarter hours
};

// Checks start and end (time texts); when both pass, the worked time after
// the breaks and its attendance value.
WorkedTime computeWorkedTime(const QString &start, const QString &end, const BreakRules &rules);

} // namespace zentak
