#pragma once
// The journal's file itself: read whole and cut into its lines, appended to
// a line at a time, and written anew. What the lines mean for undo and redo
// is the change history's concern.

#include "journal.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace zentak {

// Why the journal could not be read or written: the system's reason, or the
// program's own (a symbolic link in the journal's place is neither read nor
// written; a change with a character the journal cannot hold; a journal that
// ended before its own size, or kept changing, while it was read).
struct JournalError {
    enum class Kind { None, System, Link, Unrecordable, CutShort, KeepsChanging };
    Kind kind = Kind::None;
    QString system; // the system's reason, for System
    bool isEmpty() const { return kind == Kind::None; }
};

// What the journal held, line by line.
struct JournalContents {
    QByteArray bytes;                      // the file as it was
    QList<std::optional<Change>> changes;  // each line read back; nullopt for one that could not be
    bool torn = false;                     // the last line had no line end
};

class JournalFile {
public:
    // The journal holds records: it is as private as the data file.
    JournalFile(const QString &path, const QString &dataFilePath);

    const QString &path() const { return path_; }
    // Lines in the file, as far as this object has read and written them.
    int lines() const { return lines_; }

    // The journal's lines; empty (and true) when there is no journal, false
    // (with `error`) when it could not be read or is a symbolic link.
    bool read(JournalContents *contents, JournalError *error);
    // The bytes kept aside beside the journal: the copy's path, empty (with
    // `error`) when none could be made.
    QString keepBrokenCopy(const QByteArray &bytes, JournalError *error) const;

    // The change's line added at the end, synced.
    bool append(const Change &change, JournalError *error);
    // True when the last append failed and could not take its part-written
    // line back out: the file should be written anew before the next line.
    bool leftTornLine() const { return leftTornLine_; }
    // The file written anew with one line for each change.
    bool replace(const QList<Change> &changes, JournalError *error);

private:
    QString path_;
    QString dataFilePath_;
    int lines_ = 0;
    bool linked_ = false; // the journal is a symbolic link: left alone
    bool leftTornLine_ = false;
};

} // namespace zentak
