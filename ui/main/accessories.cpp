#include "accessories.h"

#include "platform.h"

namespace zentak {

QStringList accessoryCandidates(Accessory which)
{
    if (which == Accessory::Calculator)
        return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
    return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
            QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
            QStringLiteral("xed")};
}

QStringList presentAccessories(Platform &platform, const QString &dir, Accessory which)
{
    QString prefix = dir;
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix += QLatin1Char('/');
    QStringList present;
    for (const QString &name : accessoryCandidates(which)) {
        const QString path = prefix + name;
        if (platform.fileExists(path))
            present << path;
    }
    return present;
}

} // namespace zentak
