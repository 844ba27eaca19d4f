#include "interruptedwrites.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentak {

namespace {

QString reason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

RemovedFiles removeFilesNamed(const QString &folder, const QList<QRegularExpression> &names)
{
    RemovedFiles result;
    const QByteArray encoded = QFile::encodeName(folder);
    DIR *dir = ::opendir(encoded.constData());
    if (!dir) {
        if (errno != ENOENT) // no folder: nothing was left in it
            result.failed << QStringLiteral("%1 (%2)").arg(folder, reason());
        return result;
    }
    QStringList matching;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        for (const QRegularExpression &pattern : names) {
            if (pattern.match(name).hasMatch()) {
                matching << QDir(folder).filePath(name);
                break;
            }
        }
    }
    ::closedir(dir);

    for (const QString &path : std::as_const(matching)) {
        const QByteArray file = QFile::encodeName(path);
        struct stat st;
        if (::lstat(file.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue; // gone meanwhile, or not a file this program wrote
        if (::unlink(file.constData()) == 0)
            result.removed << path;
        else
            result.failed << QStringLiteral("%1 (%2)").arg(path, reason());
    }
    return result;
}

RemovedFiles removeInterruptedWrites(const QString &programFolder)
{
    // \A and \z, not ^ and $: $ would also match before a final line break.
    // A kept copy numbered with six digits would be taken for a temporary
    // name: the .orig copies stop below 1000, and no copy may come near.
    static const QList<QRegularExpression> names = {
        QRegularExpression(QStringLiteral(R"(\AZentak\.txt\.[A-Za-z0-9]{6}\z)")),
        QRegularExpression(QStringLiteral(R"(\A[0-9]{6}\.txt\.[A-Za-z0-9]{6}\z)")),
        QRegularExpression(QStringLiteral(R"(\AZentak\.txt\.bak\.[A-Za-z0-9]{6}\z)")),
        QRegularExpression(QStringLiteral(R"(\AZentak\.txt\.orig(\.[0-9]+)?\.[A-Za-z0-9]{6}\z)")),
        QRegularExpression(QStringLiteral(R"(\AZentak\.txt\.other(\.[0-9]+)?\.[A-Za-z0-9]{6}\z)")),
        QRegularExpression(QStringLiteral(R"(\AZentak\.journal\.[A-Za-z0-9]{6}\z)")),
    };
    return removeFilesNamed(programFolder, names);
}

} // namespace zentak
