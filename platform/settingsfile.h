#pragma once
// Writing one key of an INI settings file so that the file is replaced
// whole or not at all: the new file is written beside it, read back from
// the disk and compared, and only then put in the old one's place, whole
// or not at all. (A plain
// QSettings::sync() reports success when a full disk cut the file short.)

#include "interruptedwrites.h"

#include <QString>

namespace zentak {

bool storeSettings(const QString &iniPath, const QList<QPair<QString, QString>> &values);

// Removes the new files a write cut short by a kill left beside the file
// ("<file>.<pid>.<n>.new"); no other file.
RemovedFiles removeInterruptedSettingsWrites(const QString &iniPath);

} // namespace zentak
