#include "settings.h"

#include "fixedtext.h"
#include "platform.h"

#include <cmath>
#include <limits>

namespace zentak {

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
    const double rounded = std::nearbyint(number); // halves to even
    if (rounded < std::numeric_limits<short>::min() || rounded > std::numeric_limits<short>::max())
        return fallback;
    return static_cast<int>(rounded);
}

namespace {

QString fixedKey(Platform &p, const QString &key, const QString &fallback, int width)
{
    if (!p.hasSetting(kStoreApp, kSectionSet, key))
        return fallback;
    return fixedWidth(p.readSetting(kStoreApp, kSectionSet, key, fallback), width);
}

QString word(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

Settings iniload(Platform &p)
{
    Settings s;
    s.IniTM = fixedKey(p, QStringLiteral("IniTM"), QStringLiteral("09:00"), 5);
    s.DayTM = fixedKey(p, QStringLiteral("DayTM"), QStringLiteral("08:00"), 5);
    s.Yukyu = fixedKey(p, QStringLiteral("Yukyu"), QStringLiteral("00.0"), 4);
    s.T6Sw = storedBool(p.readSetting(kStoreApp, kSectionSet, QStringLiteral("T6Sw"), QStringLiteral("False")), false);
    s.T4Sw = storedBool(p.readSetting(kStoreApp, kSectionSet, QStringLiteral("T4Sw"), QStringLiteral("False")), false);
    s.Sagyo = p.readSetting(kStoreApp, kSectionSet, QStringLiteral("Sagyo"), kDefaultSagyo);
    if (s.Sagyo.isEmpty())
        s.Sagyo = kDefaultSagyo;
    s.Sift = storedInt(p.readSetting(kStoreApp, kSectionSet, QStringLiteral("Sift"), QStringLiteral("0")), 0);
    s.Ktsw = storedInt(p.readSetting(kStoreApp, kSectionSet, QStringLiteral("Ktsw"), QStringLiteral("0")), 0);
    return s;
}

bool rinisave(Platform &p, const Settings &s)
{
    bool ok = p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("IniTM"), fixedWidth(s.IniTM, 5));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("DayTM"), fixedWidth(s.DayTM, 5));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("Yukyu"), fixedWidth(s.Yukyu, 4));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("T6Sw"), word(s.T6Sw));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("T4Sw"), word(s.T4Sw));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("Sagyo"), s.Sagyo);
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("Sift"), QString::number(s.Sift));
    ok &= p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("Ktsw"), QString::number(s.Ktsw));
    return ok;
}

bool saveYukyu(Platform &p, const Settings &s)
{
    return p.writeSetting(kStoreApp, kSectionSet, QStringLiteral("Yukyu"), fixedWidth(s.Yukyu, 4));
}

} // namespace zentak
