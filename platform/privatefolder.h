#pragma once
// The folder that holds the single instance's lock and socket: one this
// user owns and no one else may open. A start that finds no such folder
// refuses to run rather than trust one another user could have prepared
// (and so keep this user from ever starting).

#include <QString>

namespace zentak {

// Why a folder may not hold the lock and the socket: the system's reason,
// or it is a symbolic link, no folder, another user's, or open to others.
struct FolderFault {
    enum class Kind { None, System, Link, NotAFolder, OtherUsers, OpenToOthers };
    Kind kind = Kind::None;
    QString system; // the system's reason, for System
    bool isEmpty() const { return kind == Kind::None; }
};

// The folder a start uses: `chosen` when given, else the runtime folder
// when it is this user's alone, else zentak-<uid> in the temporary folder.
QString instanceFolder(const QString &chosen);

// The folder, made for this user alone when missing; why it may not hold
// the lock and the socket, empty when it may.
FolderFault makePrivateFolder(const QString &dir);

} // namespace zentak
