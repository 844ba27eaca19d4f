#pragma once
// Replacing a file whole or not at all.

#include <QByteArray>
#include <QString>

namespace zentak {

// Writes the bytes to a new file beside `path` and renames it over `path`;
// on failure the previous file is left as it was and `error` (when given)
// says why.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace zentak
