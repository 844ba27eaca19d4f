#pragma once
// What the records need of the world, declared by them and provided by the
// platform: the per-user settings store and the clock. The program folder
// reaches them as a path. Nothing here knows of windows or of a desktop.

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

namespace zentak {

// Text values by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString readSetting(const QString &app, const QString &section, const QString &key,
                                const QString &defaultValue) = 0;
    virtual bool hasSetting(const QString &app, const QString &section, const QString &key) = 0;
    // False when the store could not be written.
    virtual bool writeSetting(const QString &app, const QString &section, const QString &key,
                              const QString &value) = 0;
    // Several keys of one section at once: a store that can writes them in
    // one go, whole or not at all.
    virtual bool writeSettings(const QString &app, const QString &section,
                               const QList<QPair<QString, QString>> &values)
    {
        bool ok = true;
        for (const auto &[key, value] : values)
            ok &= writeSetting(app, section, key, value);
        return ok;
    }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
};

// Everything the attendance book is given.
struct BookPorts {
    SettingsStore &settings;
    Clock &clock;
    QString programFolder;
};

} // namespace zentak
