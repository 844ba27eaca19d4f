#pragma once
// A scripted desktop whose settings store is the real one, in a folder of
// the test's own (never the user's).

#include "realplatform.h"
#include "scriptedplatform.h"

#include <QSettings>

namespace zentak::test {

// The real store (an INI file under `folder`), everything else scripted.
class RealStorePlatform : public ScriptedPlatform {
public:
    explicit RealStorePlatform(const QString &settingsFolder)
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
    }
    QString readSetting(const QString &app, const QString &section, const QString &key,
                        const QString &defaultValue) override
    {
        return real.readSetting(app, section, key, defaultValue);
    }
    bool hasSetting(const QString &app, const QString &section, const QString &key) override
    {
        return real.hasSetting(app, section, key);
    }
    bool writeSetting(const QString &app, const QString &section, const QString &key,
                      const QString &value) override
    {
        return real.writeSetting(app, section, key, value);
    }
    RealPlatform real;
};

} // namespace zentak::test
