#include "changehistory.h"

#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>

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

JournalLoad ChangeHistory::load()
{
    JournalLoad report;
    undo_.clear();
    redo_.clear();
    lines_ = 0;
    if (!QFileInfo::exists(path_))
        return report;
    QByteArray bytes;
    if (!readWholeFile(path_, &bytes, &report.error))
        return report;
    // Each change is one line ended by CR LF (a field never holds either).
    // What follows the last line end was cut by a kill: passed over, and
    // gone when the journal is next written.
    qsizetype begin = 0;
    qsizetype end = 0;
    while ((end = bytes.indexOf("\r\n", begin)) >= 0) {
        const std::optional<Change> change = parseJournalLine(QByteArrayView(bytes).sliced(begin, end - begin));
        begin = end + 2;
        if (!change) {
            ++report.unreadable;
            forgetOlder();
            continue;
        }
        replay(*change);
        ++lines_;
    }
    const bool torn = begin < bytes.size();
    if (report.unreadable > 0) {
        const QString copy = path_ + QStringLiteral(".broken");
        if (!replaceFile(copy, bytes, &report.error, permissionsOf(dataFilePath_)))
            return report;
        report.keptCopy = copy;
    }
    if (report.unreadable > 0 || torn)
        rewrite(&report.error);
    return report;
}

bool ChangeHistory::append(const Change &change, QString *error)
{
    if (lines_ >= 2 * kKept)
        return rewrite(error);
    const std::optional<QByteArray> line = journalLine(change);
    QFile file(path_);
    // Appended and synced at once, like the data file; a failure leaves at
    // most a torn last line.
    const bool created = !file.exists();
    const bool ok = line && file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
                    && (!created || file.setPermissions(permissionsOf(dataFilePath_)))
                    && file.write(*line) == line->size() && ::fsync(file.handle()) == 0;
    if (!ok) {
        if (error)
            *error = line ? file.errorString() : QStringLiteral("記録できない文字があります");
        return false;
    }
    ++lines_;
    return true;
}

bool ChangeHistory::rewrite(QString *error)
{
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
    undo_.clear();
    redo_.clear();
}

} // namespace zentak
