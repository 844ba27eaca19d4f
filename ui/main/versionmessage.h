#pragma once
// The version message of the file menu.

#include "platform.h"

#include <QString>

namespace zentak {

// The name of the platform by the version query's identifier; empty for
// one the program does not know.
QString platformName(int platformId);

// The whole message: the title, the comment, an empty line, the rights
// holder, and the platform's version and name.
QString versionMessage(const QString &messageTitle, const VersionInfo &version);

} // namespace zentak
