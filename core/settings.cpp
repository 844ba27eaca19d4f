#include "settings.h"

#include "daykey.h"
#include "daykind.h"
#include "fixedtext.h"
#include "leavegrant.h"
#include "numbers.h"
#include "ports.h"

#include <cmath>

namespace zentak {

namespace {

const QString kUsualStart = QStringLiteral("IniTM");
const QString kRegularHours = QStringLiteral("DayTM");
const QString &kLeaveBalance = kKeyLeaveBalance;
const QString kLunchBreak60 = QStringLiteral("T6Sw");
const QString kLunchBreak45 = QStringLiteral("T4Sw");
const QString kDefaultNoteKey = QStringLiteral("Sagyo");
const QString kShiftWork = QStringLiteral("Sift");
const QString kTenDayTally = QStringLiteral("Ktsw");
const QString kRestDay = QStringLiteral("RestDay");
const QString kAgreementStart = QStringLiteral("AgreementStart");
const QString kRemind = QStringLiteral("Remind");
const QString kName = QStringLiteral("Name");
const QString kHired = QStringLiteral("Hired");
const QString kWeekDays = QStringLiteral("WeekDays");
const QString kGrantHandled = QStringLiteral("Granted");

QString read(SettingsStore &p, const QString &key, const QString &fallback)
{
    return p.readSetting(kStoreApp, kSectionSet, key, fallback);
}

// A key that is present but empty gives blanks, not the default.
QString fixedKey(SettingsStore &p, const QString &key, const QString &fallback, int width)
{
    if (!p.hasSetting(kStoreApp, kSectionSet, key))
        return fallback;
    return fixedWidth(read(p, key, fallback), width);
}

// A whole number from low to high, as written; anything else (absent,
// hand-edited) gives the fallback.
int choiceKey(SettingsStore &p, const QString &key, int low, int high, int fallback)
{
    bool ok = false;
    const int value = read(p, key, QString()).trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

// A date as stored, "YYYY/MM/DD"; empty for none.
QString dateText(QDate date)
{
    return date.isValid() ? dateField(date) : QString();
}

QString word(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

bool storedBool(const QString &text, bool fallback)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (ok && std::isfinite(number))
        return number != 0;
    return fallback;
}

int storedInt(const QString &text, int fallback)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return fallback;
    const long long rounded = roundHalfEven(number);
    return toInt16(rounded) == rounded ? int(rounded) : fallback;
}

int storedWeekday(Qt::DayOfWeek day)
{
    return day % 7;
}

Qt::DayOfWeek weekdayOfStored(int stored)
{
    return stored == 0 ? Qt::Sunday : Qt::DayOfWeek(stored);
}

Settings loadSettings(SettingsStore &p)
{
    Settings s;
    s.usualStart = fixedKey(p, kUsualStart, s.usualStart, 5);
    s.regularHours = fixedKey(p, kRegularHours, s.regularHours, 5);
    s.leaveBalance = fixedKey(p, kLeaveBalance, s.leaveBalance, 4);
    // One of the two; a store that has both (a hand edit) has 45 minutes,
    // as the settings dialog shows it.
    if (storedBool(read(p, kLunchBreak45, QStringLiteral("False")), false))
        s.lunchBreak = LunchBreak::Minutes45;
    else if (storedBool(read(p, kLunchBreak60, QStringLiteral("False")), false))
        s.lunchBreak = LunchBreak::Minutes60;
    s.defaultNote = read(p, kDefaultNoteKey, kDefaultNote);
    if (s.defaultNote.isEmpty())
        s.defaultNote = kDefaultNote;
    s.shiftWork = storedInt(read(p, kShiftWork, QStringLiteral("0")), 0);
    s.tenDayTally = storedInt(read(p, kTenDayTally, QStringLiteral("0")), 0);
    s.restDay = weekdayOfStored(choiceKey(p, kRestDay, 0, 6, storedWeekday(s.restDay)));
    s.agreementStartMonth = choiceKey(p, kAgreementStart, 1, 12, s.agreementStartMonth);
    s.remind = read(p, kRemind, QStringLiteral("1")).trimmed() != QLatin1String("0");
    s.name = leftChars(read(p, kName, QString()), kNameLength);
    // Not a date reads as none; a date after today is judged where it is
    // used, which knows today.
    s.hired = calendarDateOf(read(p, kHired, QString()).trimmed());
    s.weekDays = choiceKey(p, kWeekDays, kFewestWeekDays, kMostWeekDays, s.weekDays);
    s.grantHandled = calendarDateOf(read(p, kGrantHandled, QString()).trimmed());
    return s;
}

bool saveSettings(SettingsStore &p, const Settings &s)
{
    return p.writeSettings(kStoreApp, kSectionSet,
                           {{kUsualStart, fixedWidth(s.usualStart, 5)},
                            {kRegularHours, fixedWidth(s.regularHours, 5)},
                            {kLeaveBalance, fixedWidth(s.leaveBalance, 4)},
                            {kLunchBreak60, word(s.lunchBreak == LunchBreak::Minutes60)},
                            {kLunchBreak45, word(s.lunchBreak == LunchBreak::Minutes45)},
                            {kDefaultNoteKey, s.defaultNote},
                            {kShiftWork, QString::number(s.shiftWork)},
                            {kTenDayTally, QString::number(s.tenDayTally)},
                            {kRestDay, QString::number(storedWeekday(s.restDay))},
                            {kAgreementStart, QString::number(s.agreementStartMonth)},
                            {kRemind, s.remind ? QStringLiteral("1") : QStringLiteral("0")},
                            {kName, leftChars(s.name, kNameLength)},
                            {kHired, dateText(s.hired)},
                            {kWeekDays, QString::number(s.weekDays)},
                            {kGrantHandled, dateText(s.grantHandled)}});
}

QList<QPair<QString, QString>> keysChangesMove(const Settings &s)
{
    return {{kLeaveBalance, fixedWidth(s.leaveBalance, 4)}, {kGrantHandled, dateText(s.grantHandled)}};
}

} // namespace zentak
