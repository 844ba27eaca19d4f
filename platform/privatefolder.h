#pragma once
// The folder that holds the single instance's lock and socket: one this
// user owns and no one else may open. A start that finds no such folder
// refuses to run rather than trust one another user could have prepared
// (and so keep this user from ever starting).

#include <QString>

namespace zentak {

// The folder a start uses: `chosen` when given, else the runtime folder
// when it is this user's alone, else zentak-<uid> in the temporary folder.
QString instanceFolder(const QString &chosen);

// The folder, made for this user alone when missing; why it may not hold
// the lock and the socket, empty when it may.
QString makePrivateFolder(const QString &dir);

} // namespace zentak
