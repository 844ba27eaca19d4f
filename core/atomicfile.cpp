#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace zentak {

namespace {

// What a file made anew gets, as any other file of the user's: 0666 less
// the umask.
QFileDevice::Permissions defaultPermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions p;
    const mode_t mode = 0666 & ~mask;
    if (mode & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & S_IRGRP) p |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP) p |= QFileDevice::WriteGroup;
    if (mode & S_IROTH) p |= QFileDevice::ReadOther;
    if (mode & S_IWOTH) p |= QFileDevice::WriteOther;
    return p;
}

} // namespace

QString temporaryNameMark()
{
    return QStringLiteral(".zentak-new-");
}

// QSaveFile would do, but its temporary file is "<name>.XXXXXX", a name a
// user may well give a copy of their own ("Zentak.txt.backup"): what a kill
// leaves behind could then not be told from the user's files. Ours carry a
// mark of the program's own, and are written, synced and renamed the same
// way.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error,
                 std::optional<QFileDevice::Permissions> permissions)
{
    QTemporaryFile file(path + temporaryNameMark() + QStringLiteral("XXXXXX"));
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!file.open())
        return failed(file.errorString());
    // Set on the new file while it is still empty, so a copy of a private
    // file is never readable by others, not even for a moment.
    const QFileDevice::Permissions wanted =
        permissions ? *permissions : QFile::exists(path) ? QFile::permissions(path) : defaultPermissions();
    // Every failure is seen before the rename: a write, the flush of what
    // was buffered (a full disk), and the sync to the disk.
    if (!file.setPermissions(wanted) || file.write(bytes) != bytes.size() || !file.flush()
        || ::fsync(file.handle()) != 0)
        return failed(file.errorString());
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return failed(QString::fromLocal8Bit(std::strerror(errno)));
    file.setAutoRemove(false);
    return true;
}

QString keepNumberedCopy(const QString &name, const QByteArray &bytes, QFileDevice::Permissions permissions,
                         QString *error)
{
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = n == 1 ? name : QStringLiteral("%1.%2").arg(name).arg(n);
        if (QFile::exists(candidate) || QFileInfo(candidate).isSymLink()) {
            QByteArray earlier;
            if (readWholeFile(candidate, &earlier) && earlier == bytes)
                return candidate;
            continue;
        }
        return replaceFile(candidate, bytes, error, permissions) ? candidate : QString();
    }
    if (error)
        *error = QStringLiteral("%1 (1000)").arg(name);
    return {};
}

QFileDevice::Permissions permissionsOf(const QString &path)
{
    const QFileDevice::Permissions own = QFile::permissions(path);
    return own ? own : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

std::optional<FileState> fileStateOf(const QFileDevice &file)
{
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0)
        return std::nullopt;
    constexpr qint64 kNano = 1000 * 1000 * 1000;
    return FileState{qint64(st.st_size), st.st_mtim.tv_sec * kNano + st.st_mtim.tv_nsec,
                     st.st_ctim.tv_sec * kNano + st.st_ctim.tv_nsec};
}

bool readWholeFile(const QString &path, QByteArray *bytes, QString *error, ReadFault *fault)
{
    auto failed = [&](ReadFault why, const QString &reason) {
        if (error)
            *error = reason;
        if (fault)
            *fault = why;
        bytes->clear();
        return false;
    };
    QFile file(path);
    for (int tries = 0; tries < kReadTries; ++tries) {
        file.close();
        if (!file.open(QIODevice::ReadOnly))
            return failed(ReadFault::System, file.errorString());
        const std::optional<FileState> before = fileStateOf(file);
        *bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return failed(ReadFault::System, file.errorString());
        // Written while it was read: what was read may be a mix of two.
        if (before != fileStateOf(file))
            continue;
        // Ended before its own size, which the system does not call an
        // error: no content at all rather than a short one.
        if (bytes->size() < file.size())
            return failed(ReadFault::CutShort, QString());
        return true;
    }
    return failed(ReadFault::KeepsChanging, QString());
}

} // namespace zentak
