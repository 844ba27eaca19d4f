#pragma once
// The changes that can be taken back (undo) and done again (redo). They are
// kept in the journal beside the data file, so the last change of yesterday
// can be taken back today. The journal is appended to with every change and
// holds at most kKept changes (older ones are dropped when it is written
// anew); a kill while a line is written leaves that line torn, and a torn
// last line is passed over. A journal that cannot be read (edited by hand,
// from another version) stops nothing: what could not be read is kept
// aside, and undo reaches back only to the first change after it.

#include "journalfile.h"

#include <QList>
#include <QString>

namespace zentak {

struct JournalLoad {
    int unreadable = 0;   // lines that could not be read
    QString keptCopy;     // where the journal as it was is kept, when it had such lines
    JournalError error;   // why the journal could not be read or kept
};

class ChangeHistory {
public:
    static constexpr int kKept = 1000;

    // The journal holds records: it is as private as the data file.
    ChangeHistory(const QString &journalPath, const QString &dataFilePath);

    const QString &path() const { return file_.path(); }
    // The journal read, beside the records as the data file holds them.
    JournalLoad load(const AttendanceTable &table);

    // A new change: undo reaches it, and what could be done again is gone.
    bool record(const Change &change, JournalError *error);

    // The change an undo takes back, or that a redo does again; null when
    // there is none.
    const Change *toTakeBack() const { return undo_.isEmpty() ? nullptr : &undo_.last(); }
    const Change *toDoAgain() const { return redo_.isEmpty() ? nullptr : &redo_.last(); }
    // The change of toTakeBack() was taken back, as `done` says; it can be
    // done again.
    bool tookBack(const Change &done, JournalError *error);
    // The change of toDoAgain() was done again, as `done` says.
    bool didAgain(const Change &done, JournalError *error);
    // Undo reaches no further back than now (the records no longer are what
    // the older changes left); what can be done again stays.
    void forgetOlder();
    // Redo reaches nothing any more.
    void forgetNewer() { redo_.clear(); }

private:
    bool append(const Change &change, JournalError *error);
    // The journal written anew from the two stacks: the changes undo can
    // reach, then those redo can, each followed by its undo.
    bool rewrite(JournalError *error);
    void replay(const Change &line);
    // True when the table holds each day as the change found it, or as it
    // left it.
    enum class Side { Before, After };
    static bool holds(const AttendanceTable &table, const Change &change, Side side);

    JournalFile file_;
    QList<Change> undo_; // the last is taken back first
    QList<Change> redo_; // the last is done again first
};

} // namespace zentak
