#include "versionmessage.h"

namespace zentak {

namespace {

const QString kComment = QStringLiteral("カレンダー付きZentak");
const QString kRightsHolder = QStringLiteral("Copyright (C) Zentak の開発者");

} // namespace

QString platformName(int platformId, int minor)
{
    switch (platformId) {
    case kPlatformWin32Windows:
        if (minor == 0)
            return QStringLiteral("Win95");
        if (minor == 10)
            return QStringLiteral("Win98");
        return QStringLiteral("Winme ?");
    case kPlatformWin32NT:
        return QStringLiteral("WinNT");
    case kPlatformLinux:
        return QStringLiteral("Linux");
    default:
        return {};
    }
}

QString versionMessage(const QString &messageTitle, const VersionInfo &version)
{
    return messageTitle + QLatin1Char('\n') + kComment + QStringLiteral("\n\r\n") + kRightsHolder
           + QLatin1Char('\n') + QStringLiteral("Windows Version : ") + QString::number(version.major)
           + QLatin1Char('.') + QString::number(version.minor) + QStringLiteral(" Platform : ")
           + platformName(version.platformId, version.minor);
}

} // namespace zentak
