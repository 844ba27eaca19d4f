#pragma once
// The user's defaults and their per-user store (application ZENTAK, section
// "set"; the main window's position in section "pform").

#include "workedtime.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

namespace zentak {

class SettingsStore;

inline const QString kStoreApp = QStringLiteral("ZENTAK");
inline const QString kSectionSet = QStringLiteral("set");
inline const QString kSectionForm = QStringLiteral("pform");
inline const QString kKeyPos = QStringLiteral("ppos");
inline const QString kKeyLeaveBalance = QStringLiteral("Yukyu");
inline const QString kDefaultNote = QStringLiteral("○○○作業");

struct Settings {
    QString usualStart = QStringLiteral("09:00");   // "IniTM", 5 characters
    QString regularHours = QStringLiteral("08:00"); // "DayTM", 5 characters
    QString leaveBalance = QStringLiteral("00.0");  // "Yukyu", days, 4 characters
    LunchBreak lunchBreak = LunchBreak::None;       // "T6Sw" (60) and "T4Sw" (45)
    QString defaultNote = kDefaultNote;             // "Sagyo"
    int shiftWork = 0;                              // "Sift", on when not 0
    int tenDayTally = 0;                            // "Ktsw", on when 1
    Qt::DayOfWeek restDay = Qt::Sunday;             // "RestDay", 0 (Sunday) to 6
    int agreementStartMonth = 4;                    // "AgreementStart", 1 to 12
    bool remind = true;                             // "Remind", on unless "0"
    QString name;                                   // "Name", the user's, kNameLength at most
    QDate hired;                                    // "Hired", "YYYY/MM/DD"; none: no yearly grant
    int weekDays = 5;                               // "WeekDays", 1 to 5, the days worked a week
    QDate grantHandled;                             // "Granted", "YYYY/MM/DD", the last grant handled
};

// The user's name as the timesheet shows it, in characters.
inline constexpr int kNameLength = 20;

// Conversions of stored texts; a text that cannot be converted gives the
// fallback.
bool storedBool(const QString &text, bool fallback);
int storedInt(const QString &text, int fallback);
// The legal rest day as stored, 0 for Sunday to 6 for Saturday, and back.
int storedWeekday(Qt::DayOfWeek day);
Qt::DayOfWeek weekdayOfStored(int stored);

Settings loadSettings(SettingsStore &store);
// Both return false when the store could not be written.
bool saveSettings(SettingsStore &store, const Settings &settings);
// The keys a change of the records moves, as the store holds them: the
// balance, and the date of the last grant handled.
QList<QPair<QString, QString>> keysChangesMove(const Settings &settings);

} // namespace zentak
