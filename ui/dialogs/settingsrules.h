#pragma once
// What the settings dialog shows, checks and saves, apart from its widgets.

#include "settings.h"

#include <QString>

#include <optional>

namespace zentak {

// The controls of the dialog as values.
struct SettingsForm {
    QString initim;
    QString daytim;
    QString yukyuz;
    QString text1; // as stored, line breaks CR LF
    bool option1 = false; // 60-minute lunch break
    bool option2 = false; // 45-minute lunch break
    bool check1 = false;  // shift work
    bool check2 = false;  // tallies every ten days
};

// The load: what each control shows for the settings in memory. A blank
// time or balance leaves its box empty; the two options are one group, so
// the 45-minute one wins when both are set.
SettingsForm settingsForm(const Settings &settings);

enum class SettingsBox { Initim, Daytim, Yukyuz };

// The three checks of "保存" in their order; the first box that fails.
std::optional<SettingsBox> firstBadSetting(const QString &initim, const QString &daytim,
                                           const QString &yukyuz);
QString badSettingMessage(SettingsBox box);
// The balance as typed: two digits, a point, and a last character 0 or 5.
bool balanceShapeOk(const QString &yukyuz);

// The save: the settings the controls give (the times and the balance
// trimmed and held at their widths).
Settings settingsFromForm(const SettingsForm &form);

} // namespace zentak
