#include "privatefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace zentak {

namespace {

// Why the folder may not hold the lock and the socket; empty when it may: a
// folder itself (not a link to one), this user's, closed to everyone else.
// Looked at, never changed: another user may have put files in it.
FolderFault systemFault()
{
    return {FolderFault::Kind::System, QString::fromLocal8Bit(std::strerror(errno))};
}

FolderFault whyNotPrivate(const QString &dir)
{
    using Kind = FolderFault::Kind;
    struct stat st;
    if (::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return systemFault();
    if (S_ISLNK(st.st_mode))
        return {Kind::Link, {}};
    if (!S_ISDIR(st.st_mode))
        return {Kind::NotAFolder, {}};
    if (st.st_uid != ::getuid())
        return {Kind::OtherUsers, {}};
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return {Kind::OpenToOthers, {}};
    return {};
}

} // namespace

QString instanceFolder(const QString &chosen)
{
    // XDG_RUNTIME_DIR itself, not QStandardPaths: without the variable that
    // one picks a predictable name in the temporary folder, and it changes
    // the mode of a folder it finds open.
    const QString dir = QDir::cleanPath(chosen);
    if (!dir.isEmpty())
        return dir;
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && whyNotPrivate(runtime).isEmpty())
        return runtime;
    return QDir(QDir::tempPath()).filePath(QStringLiteral("zentak-%1").arg(::getuid()));
}

FolderFault makePrivateFolder(const QString &dir)
{
    if (::mkdir(QFile::encodeName(dir).constData(), S_IRWXU) != 0 && errno != EEXIST)
        return systemFault();
    return whyNotPrivate(dir);
}

} // namespace zentak
