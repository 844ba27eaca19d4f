#include "journalfile.h"

#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace zentak {

namespace {

bool failed(JournalError *error, JournalError::Kind kind, const QString &system = {})
{
    if (error)
        *error = {kind, system};
    return false;
}

// A step that gives the system's reason as a text: done, or failed with
// that reason.
bool systemStep(JournalError *error, bool done, const QString &why)
{
    return done || failed(error, JournalError::Kind::System, why);
}

} // namespace

JournalFile::JournalFile(const QString &path, const QString &dataFilePath)
    : path_(path), dataFilePath_(dataFilePath)
{
}

bool JournalFile::read(JournalContents *contents, JournalError *error)
{
    *contents = {};
    lines_ = 0;
    if (QFileInfo(path_).isSymLink()) {
        // Written through, the link would put the history where the user
        // did not look for it; replaced, the link would be gone. Neither
        // without a word: undo reaches this run's changes only.
        linked_ = true;
        return failed(error, JournalError::Kind::Link);
    }
    if (!QFileInfo::exists(path_))
        return true;
    QString why;
    ReadFault fault = ReadFault::None;
    if (!readWholeFile(path_, &contents->bytes, &why, &fault)) {
        switch (fault) {
        case ReadFault::CutShort:
            return failed(error, JournalError::Kind::CutShort);
        case ReadFault::KeepsChanging:
            return failed(error, JournalError::Kind::KeepsChanging);
        case ReadFault::None:
        case ReadFault::System:
            break;
        }
        return failed(error, JournalError::Kind::System, why);
    }
    const QByteArray &bytes = contents->bytes;
    // Each change is one line (a field never holds a line end). The program
    // ends them with CR LF; a bare LF (an editor, a synchronisation tool)
    // ends one as well. Only what follows the last line end can have been
    // cut by a kill: passed over when it does not read, and gone when the
    // journal is next written.
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', begin);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        QByteArrayView line = QByteArrayView(bytes).sliced(begin, end - begin);
        if (!last && line.endsWith('\r'))
            line.chop(1);
        begin = end + 1;
        if (line.isEmpty())
            continue;
        std::optional<Change> change = parseJournalLine(line);
        // A last line without its line end is torn; read or not, the
        // journal is written anew, so the next line does not join it.
        contents->torn = contents->torn || last;
        if (!change && last)
            break;
        if (change)
            ++lines_;
        contents->changes.append(std::move(change));
    }
    return true;
}

QString JournalFile::keepBrokenCopy(const QByteArray &bytes, JournalError *error) const
{
    QString why;
    const QString copy = keepNumberedCopy(path_ + QStringLiteral(".broken"), bytes, permissionsOf(dataFilePath_), &why);
    systemStep(error, !copy.isEmpty(), why);
    return copy;
}

bool JournalFile::append(const Change &change, JournalError *error)
{
    leftTornLine_ = false;
    if (linked_)
        return failed(error, JournalError::Kind::Link);
    const std::optional<QByteArray> line = journalLine(change);
    if (!line)
        return failed(error, JournalError::Kind::Unrecordable);
    QFile file(path_);
    // Appended and synced at once, like the data file. A write that fails
    // halfway (a full disk) is cut back to where it began, so the next line
    // does not follow a torn one; when even that fails, the caller writes
    // the journal anew.
    const bool created = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        || (created && !file.setPermissions(permissionsOf(dataFilePath_))))
        return failed(error, JournalError::Kind::System, file.errorString());
    const qint64 size = file.size();
    errno = 0;
    if (file.write(*line) != line->size() || ::fsync(file.handle()) != 0) {
        const QString why = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        leftTornLine_ = !file.resize(size);
        return failed(error, JournalError::Kind::System, why);
    }
    ++lines_;
    return true;
}

bool JournalFile::replace(const QList<Change> &changes, JournalError *error)
{
    if (linked_)
        return failed(error, JournalError::Kind::Link);
    QByteArray bytes;
    int count = 0;
    for (const Change &change : changes) {
        if (const std::optional<QByteArray> line = journalLine(change)) {
            bytes += *line;
            ++count;
        }
    }
    QString why;
    if (!systemStep(error, replaceFile(path_, bytes, &why, permissionsOf(dataFilePath_)), why))
        return false;
    lines_ = count;
    return true;
}

} // namespace zentak
