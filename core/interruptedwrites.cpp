#include "interruptedwrites.h"

#include "atomicfile.h"
#include "numbers.h"

#include <QDir>
#include <QFile>

#include <algorithm>

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

// The names are matched by hand: QRegularExpression would bring PCRE2 into
// every start for two patterns (360 KiB resident and a millisecond of
// compiling, measured).
bool isNumber(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

bool isTemporaryNameOf(QStringView name, const std::function<bool(QStringView)> &isReplaced)
{
    const QString mark = temporaryNameMark();
    const qsizetype at = name.lastIndexOf(mark);
    if (at <= 0 || name.size() != at + mark.size() + 6)
        return false;
    for (QChar c : name.sliced(at + mark.size()))
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || isAsciiDigit(c)))
            return false;
    return isReplaced(name.first(at));
}

RemovedFiles removeFilesNamed(const QString &folder, const std::function<bool(QStringView)> &isLeftover)
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
        if (isLeftover(name))
            matching << QDir(folder).filePath(name);
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
    const auto isReplaced = [](QStringView name) {
        for (QStringView kept : {u"Zentak.txt.orig", u"Zentak.txt.other", u"Zentak.journal.broken"})
            if (name == kept || (name.startsWith(kept) && name[kept.size()] == u'.' && isNumber(name.sliced(kept.size() + 1))))
                return true;
        // A month report: six digits and ".txt".
        if (name.size() == 10 && name.endsWith(u".txt") && isNumber(name.first(6)))
            return true;
        return name == u"Zentak.txt" || name == u"Zentak.txt.bak" || name == u"Zentak.journal";
    };
    return removeFilesNamed(programFolder, [&](QStringView name) { return isTemporaryNameOf(name, isReplaced); });
}

} // namespace zentak
