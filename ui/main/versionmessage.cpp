#include "versionmessage.h"

namespace zentak {

namespace {

const QString kComment = QStringLiteral("カレンダー付きZentak");
const QString kRightsHolder = QStringLiteral("Copyright (C) Zentak の開発者");

} // namespace

QString platformName(int platformId)
{
    return platformId == kPlatformLinux ? QStringLiteral("Linux") : QString();
}

QString versionMessage(const QString &messageTitle, const VersionInfo &version)
{
    return messageTitle + QLatin1Char('\n') + kComment + QStringLiteral("\n\r\n") + kRightsHolder
           + QLatin1Char('\n') + QStringLiteral("Windows Version : ") + QString::number(version.major)
           + QLatin1Char('.') + QString::number(version.minor) + QStringLiteral(" Platform : ")
           + platformName(version.platformId);
}

} // namespace zentak
