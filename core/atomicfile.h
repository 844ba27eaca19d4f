#pragma once
// Reading a file whole, and replacing a file whole or not at all.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace zentak {

// The mark in the name of a file written before it replaces another:
// "Zentak.txt" is written as "Zentak.txt.zentak-new-XXXXXX" first.
QString temporaryNameMark();

// Writes the bytes to a new file beside `path` and renames it over `path`;
// on failure the previous file is left as it was and `error` (when given)
// says why. With `permissions` the new file has those permission bits
// before any byte is written into it.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                 std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// The permission bits of the file, for its copies and companions to be as
// private as it is; the owner's alone when there is no such file.
QFileDevice::Permissions permissionsOf(const QString &path);

// The bytes kept as `name`, or `name`.2, `name`.3 ... when an earlier copy
// differs (an identical earlier copy is kept as it is), with the given
// permissions: the copy's path, empty (with `error`) when none could be made.
QString keepNumberedCopy(const QString &name, const QByteArray &bytes, QFileDevice::Permissions permissions,
                         QString *error);

// The whole content of the file; false (with `error`, the system's reason)
// when it cannot be opened or read, or (with `cutShort`) when it ends before
// its own size: cut while it was read, which the system does not call an
// error.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error = nullptr, bool *cutShort = nullptr);

} // namespace zentak
