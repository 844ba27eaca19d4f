#include "changehistory.h"

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
    : file_(journalPath, dataFilePath)
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
    JournalContents contents;
    if (!file_.read(&contents, &report.error))
        return report;
    for (const std::optional<Change> &change : contents.changes) {
        if (!change) {
            ++report.unreadable;
            forgetOlder();
            continue;
        }
        replay(*change);
    }
    // A change journaled but never written to the data file (the program
    // was ended between the two): the records are as it found them.
    bool unwritten = false;
    while (!undo_.isEmpty() && !holds(table, undo_.last(), Side::After) && holds(table, undo_.last(), Side::Before)) {
        undo_.removeLast();
        unwritten = true;
    }
    if (report.unreadable > 0) {
        report.keptCopy = file_.keepBrokenCopy(contents.bytes, &report.error);
        if (report.keptCopy.isEmpty())
            return report;
    }
    if (report.unreadable > 0 || contents.torn || unwritten)
        rewrite(&report.error);
    return report;
}

bool ChangeHistory::holds(const AttendanceTable &table, const Change &change, Side side)
{
    for (const CellChange &c : change.cells)
        if (table.record(c.day) != (side == Side::After ? c.after : c.before))
            return false;
    return true;
}

bool ChangeHistory::append(const Change &change, JournalError *error)
{
    if (!file_.append(change, error)) {
        // The next line must not follow a torn one.
        if (file_.leftTornLine())
            rewrite(nullptr);
        return false;
    }
    // Older changes go once the journal holds twice what is kept: after the
    // line is in, so an interrupted rewrite leaves a journal that has it.
    if (file_.lines() >= 2 * kKept)
        return rewrite(error);
    return true;
}

bool ChangeHistory::rewrite(JournalError *error)
{
    QList<Change> changes = undo_;
    for (qsizetype i = redo_.size() - 1; i >= 0; --i)
        changes.append(redo_[i]);
    for (const Change &change : redo_) {
        Change back = reversed(change);
        back.kind = ChangeKind::TakenBack;
        changes.append(back);
    }
    return file_.replace(changes, error);
}

bool ChangeHistory::record(const Change &change, JournalError *error)
{
    undo_.append(change);
    redo_.clear();
    if (undo_.size() > kKept)
        undo_.removeFirst();
    return append(change, error);
}

bool ChangeHistory::tookBack(const Change &done, JournalError *error)
{
    redo_.append(undo_.takeLast());
    return append(done, error);
}

bool ChangeHistory::didAgain(const Change &done, JournalError *error)
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
