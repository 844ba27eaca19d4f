#pragma once
// What the settings dialog shows, checks and saves, apart from its widgets.

#include "settings.h"

#include <QString>

#include <optional>

namespace zentak {

// The dialog's controls as values.
struct SettingsForm {
    QString usualStart;
    QString regularHours;
    QString leaveBalance;
    QString defaultNote; // as stored, line breaks CR LF
    LunchBreak lunchBreak = LunchBreak::None;
    bool shiftWork = false;
    bool tenDayTally = false;
    Qt::DayOfWeek restDay = Qt::Sunday;
    int agreementStartMonth = 4;
    bool remind = true;
    QString name;
    QString hired; // "YYYY/MM/DD", empty for none
    int weekDays = 5;
};

// The load: what each control shows for the settings in memory. A blank
// time or balance leaves its box empty; the two lunch breaks are one group,
// so the 45-minute one wins when both are set.
SettingsForm settingsForm(const Settings &settings);

enum class SettingsBox { UsualStart, RegularHours, LeaveBalance, HireDate };

// The checks of "保存" in their order; the first box that fails. The hire
// date may be empty; given, it is a date from 1900 to `today`.
std::optional<SettingsBox> firstBadSetting(const SettingsForm &form, QDate today);
// The balance as typed: two digits, a point, and a last character 0 or 5.
bool balanceShapeOk(const QString &balance);

// The save: the settings the controls give (the times and the balance
// trimmed and held at their widths).
Settings settingsFromForm(const SettingsForm &form);

} // namespace zentak
