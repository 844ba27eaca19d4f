#include "changehistory.h"

#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace zentak {

namespace {

bool sameCells(const Change &a, const Change &b)
{
    if (a.cells.size() != b.cells.size())
        return false;
    for (qsizetype i = 0; i < a.cells.size(); ++i) {
        const CellChange &x = a.cells[i];
        const CellChange &y = b.cells[i];
        if (x.before != y.before || x.after != y.after)
            return false;
    }
    return true;
}

} // namespace

ChangeHistory::ChangeHistory(const QString &journalPath, const QString &dataFilePath)
    : path_(journalPath), dataFilePath_(dataFilePath)
{
}

void ChangeHistory::replay(const Change &line)
{
    switch (line.kind) {
    case ChangeKind::TakenBack:
        // A line that does not undo the change it follows means the
        // history before it cannot be trusted.
        if (undo_.isEmpty() || !sameCells(reversed(undo_.last()), line)) {
            forgetOlder();
            return;
        }
        redo_.append(undo_.takeLast());
        return;
    case ChangeKind::DoneAgain:
        if (redo_.isEmpty() || !sameCells(redo_.last(), line)) {
            forgetOlder();
            redo_.clear();
            return;
        }
        undo_.append(redo_.takeLast());
        return;
    default:
        undo_.append(line);
        redo_.clear();
        if (undo_.size() > kKept)
            undo_.removeFirst();
        return;
    }
}

JournalLoad ChangeHistory::load(const AttendanceTable &table)
{
    JournalLoad report;
    undo_.clear();
    redo_.clear();
    lines_ = 0;
    if (QFileInfo(path_).isSymLink()) {
        // Written through, the link would put the history where the user
        // did not look for it; replaced, the link would be gone. Neither
        // without a word: undo reaches this run's changes only.
        linked_ = true;
        report.error = QStringLiteral("シンボリックリンクのため、読み書きしません");
        return report;
    }
    if (!QFileInfo::exists(path_))
        return report;
    QByteArray bytes;
    if (!readWholeFile(path_, &bytes, &report.error))
        return report;
    // Each change is one line (a field never holds a line end). The program
    // ends them with CR LF; a bare LF (an editor, a synchronisation tool)
    // ends one as well. Only what follows the last line end can have been
    // cut by a kill: passed over when it does not read, and gone when the
    // journal is next written.
    qsizetype begin = 0;
    bool torn = false;
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
        const std::optional<Change> change = parseJournalLine(line);
        // A last line without its line end is torn; read or not, the
        // journal is written anew, so the next line does not join it.
        torn = torn || last;
        if (!change && last)
            break;
        if (!change) {
            ++report.unreadable;
            forgetOlder();
            continue;
        }
        replay(*change);
        ++lines_;
    }
    // A change journaled but never written to the data file (the program
    // was ended between the two): the records are as it found them.
    bool unwritten = false;
    while (!undo_.isEmpty() && !holds(table, undo_.last(), true) && holds(table, undo_.last(), false)) {
        undo_.removeLast();
        unwritten = true;
    }
    if (report.unreadable > 0) {
        report.keptCopy = keepNumberedCopy(path_ + QStringLiteral(".broken"), bytes,
                                           permissionsOf(dataFilePath_), &report.error);
        if (report.keptCopy.isEmpty())
            return report;
    }
    if (report.unreadable > 0 || torn || unwritten)
        rewrite(&report.error);
    return report;
}

bool ChangeHistory::holds(const AttendanceTable &table, const Change &change, bool after)
{
    for (const CellChange &c : change.cells)
        if (table.record(c.day) != (after ? c.after : c.before))
            return false;
    return true;
}

bool ChangeHistory::append(const Change &change, QString *error)
{
    if (linked_)
        return failed(error, QStringLiteral("シンボリックリンクのため、書き込みません"));
    const std::optional<QByteArray> line = journalLine(change);
    if (!line)
        return failed(error, QStringLiteral("記録できない文字があります"));
    QFile file(path_);
    // Appended and synced at once, like the data file. A write that fails
    // halfway (a full disk) is cut back to where it began, so the next line
    // does not follow a torn one; when even that fails, the journal is
    // written anew.
    const bool created = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        || (created && !file.setPermissions(permissionsOf(dataFilePath_))))
        return failed(error, file.errorString());
    const qint64 size = file.size();
    errno = 0;
    if (file.write(*line) != line->size() || ::fsync(file.handle()) != 0) {
        const QString why = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        if (!file.resize(size)) {
            file.close();
            rewrite(nullptr);
        }
        return failed(error, why);
    }
    ++lines_;
    // Older changes go once the journal holds twice what is kept: after the
    // line is in, so an interrupted rewrite leaves a journal that has it.
    if (lines_ >= 2 * kKept)
        return rewrite(error);
    return true;
}

bool ChangeHistory::failed(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool ChangeHistory::rewrite(QString *error)
{
    if (linked_)
        return failed(error, QStringLiteral("シンボリックリンクのため、書き込みません"));
    QByteArray bytes;
    int count = 0;
    auto add = [&](const Change &change) {
        if (const std::optional<QByteArray> line = journalLine(change)) {
            bytes += *line;
            ++count;
        }
    };
    for (const Change &change : undo_)
        add(change);
    for (qsizetype i = redo_.size() - 1; i >= 0; --i)
        add(redo_[i]);
    for (const Change &change : redo_) {
        Change back = reversed(change);
        back.kind = ChangeKind::TakenBack;
        add(back);
    }
    if (!replaceFile(path_, bytes, error, permissionsOf(dataFilePath_)))
        return false;
    lines_ = count;
    return true;
}

bool ChangeHistory::record(const Change &change, QString *error)
{
    undo_.append(change);
    redo_.clear();
    if (undo_.size() > kKept)
        undo_.removeFirst();
    return append(change, error);
}

bool ChangeHistory::tookBack(const Change &done, QString *error)
{
    redo_.append(undo_.takeLast());
    return append(done, error);
}

bool ChangeHistory::didAgain(const Change &done, QString *error)
{
    undo_.append(redo_.takeLast());
    return append(done, error);
}

void ChangeHistory::forgetOlder()
{
    // What can be done again was taken back from the records as they are:
    // it stays.
    undo_.clear();
}

} // namespace zentak
