#pragma once
// Where the attendance book's records and settings are kept: the data file,
// the journal of changes and the settings store. The keeper holds the table
// and the settings, reads them at the start (the shown month first, then the
// rest) and writes them after each change; what changes is the book's to
// decide (attendancebook.h).

#include "attendancetable.h"
#include "calendarmath.h"
#include "changehistory.h"
#include "ports.h"
#include "recordstore.h"
#include "settings.h"

#include <memory>

namespace zentak {

// What the start read: the records, and the journal of changes.
struct StartReport {
    LoadReport records;
    JournalLoad journal;
    QString journalPath;
};

class RecordKeeper {
public:
    RecordKeeper(SettingsStore &settingsStore, const QString &programFolder);
    ~RecordKeeper();

    AttendanceTable &table() { return table_; }
    const AttendanceTable &table() const { return table_; }
    Settings &settings() { return settings_; }
    const Settings &settings() const { return settings_; }
    ChangeHistory &history() { return history_; }
    const ChangeHistory &history() const { return history_; }
    RecordStore &store() { return *store_; }
    const RecordStore &store() const { return *store_; }
    const QString &programFolder() const { return folder_; }

    // The settings, and the records of one month read ahead.
    void readAhead(YearMonth month);
    bool hasReadAhead() const { return readAhead_; }
    // The rest of the start, once: false when it was finished before.
    bool finishStart();
    // What the start found; empty once handed on.
    StartReport takeStartReport();

    // A change not journaled, in its write's report.
    void noteJournalFailure(bool kept, const JournalError &error, WriteReport &report) const;
    // The records and the balance written (the balance only when it moved).
    WriteReport write();
    // The same for a change: the records count as changed this run.
    WriteReport writeThrough();
    // The exit: the records and the balance when anything changed.
    WriteReport saveAtExit();
    // A new change of the day (and the balance to `balance`), journaled and
    // written through.
    WriteReport commit(ChangeKind kind, DayKey day, const DayRecord &after, const QString &balance,
                       const QDateTime &now);
    // The year's records erased and written, once the file as it was is
    // kept and what changed outside taken over; journaled.
    ErasureReport eraseYear(int year, const QDateTime &now);
    bool hasUnwrittenChanges() const { return unwritten_; }

    // Every setting into the store; false when the store could not take
    // them.
    bool saveSettings();
    QString savedWindowPosition() const;
    WriteReport saveWindowPosition(const QString &ppos);

private:
    void readSettings();

    SettingsStore &settingsStore_;
    QString folder_;
    AttendanceTable table_;
    Settings settings_;
    QString storedBalance_; // the balance as the settings store last took it
    std::unique_ptr<RecordStore> store_;
    ChangeHistory history_;
    bool readAhead_ = false;
    bool started_ = false;
    StartReport startFound_; // until taken
    bool changed_ = false;   // anything changed this run
    bool unwritten_ = false; // the last write failed
};

} // namespace zentak
