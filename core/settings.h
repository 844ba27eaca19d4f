#pragma once
// The user's defaults and their per-user store (application ZENTAK,
// section "set").

#include <QString>

namespace zentak {

class Platform;

inline const QString kStoreApp = QStringLiteral("ZENTAK");
inline const QString kSectionSet = QStringLiteral("set");
inline const QString kSectionForm = QStringLiteral("pform");
inline const QString kKeyPos = QStringLiteral("ppos");
inline const QString kDefaultSagyo = QStringLiteral("○○○作業");

struct Settings {
    QString IniTM = QStringLiteral("09:00"); // 5 characters
    QString DayTM = QStringLiteral("08:00"); // 5 characters
    QString Yukyu = QStringLiteral("00.0");  // 4 characters
    bool T6Sw = false;
    bool T4Sw = false;
    QString Sagyo = kDefaultSagyo;
    int Sift = 0;
    int Ktsw = 0;
};

// Conversions of stored texts; a text that cannot be converted gives the
// fallback.
bool storedBool(const QString &text, bool fallback);
int storedInt(const QString &text, int fallback);

Settings iniload(Platform &platform);
// Both return false when the store could not be written.
bool rinisave(Platform &platform, const Settings &settings);
// The one key the shutdown writes besides the window position.
bool saveYukyu(Platform &platform, const Settings &settings);

// What the user is told when the settings could not be stored.
inline const QString kSettingsNotSaved = QStringLiteral("設定を保存できませんでした。\n"
                                                        "（設定の保存先に書き込めません）");

} // namespace zentak
