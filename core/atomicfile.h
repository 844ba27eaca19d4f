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

// Why a file could not be read: the system's reason; or it ended before its
// own size while it was read, which the system does not call an error; or
// another program kept writing it in place while it was read, try after try.
enum class ReadFault { None, System, CutShort, KeepsChanging };

// What the system keeps of an open file that any write to it changes: its
// size and the times its contents and its state last changed.
struct FileState {
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds
    bool operator==(const FileState &) const = default;
};
std::optional<FileState> fileStateOf(const QFileDevice &file);

// How often a file that changed while it was read is read again from the
// start before the read gives up.
inline constexpr int kReadTries = 5;

// The whole content of the file, read again when another program wrote it
// while it was read; false (with `error` and `fault`) when it cannot be
// opened or read, when it ends before its own size, or when it keeps
// changing.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error = nullptr, ReadFault *fault = nullptr);

} // namespace zentak
