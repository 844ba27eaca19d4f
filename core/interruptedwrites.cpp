#include "interruptedwrites.h"

#include "atomicfile.h"

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
    // The files the program replaces whole, each first written under its
    // name with the program's own mark (atomicfile.h) and six characters.
    // \A and \z, not ^ and $: $ would also match before a final line break.
    static const QList<QRegularExpression> names = {QRegularExpression(
        QStringLiteral(R"(\A(Zentak\.txt(\.bak|\.orig(\.[0-9]+)?|\.other(\.[0-9]+)?)?|[0-9]{6}\.txt)"
                       R"(|Zentak\.journal(\.broken)?))")
        + QRegularExpression::escape(temporaryNameMark()) + QStringLiteral(R"([A-Za-z0-9]{6}\z)"))};
    return removeFilesNamed(programFolder, names);
}

} // namespace zentak
