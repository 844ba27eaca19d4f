#pragma once
// Where the attendance book's records and settings are kept: the data file,
// the journal of changes and the settings store. The keeper holds the table,
// the settings and the history, reads them at the start (the shown month
// first, then the rest), and takes every change to the records down one
// road: the days and the balance set, the change journaled, then the data
// file written. What changes is the book's to decide (attendancebook.h); it
// reads what the keeper holds and changes it only through the keeper.

#include "attendancetable.h"
#include "calendarmath.h"
#include "changehistory.h"
#include "ports.h"
#include "recordstore.h"
#include "settings.h"
#include "undostep.h"

#include <memory>

namespace zentak {

// What the start read: the records, and the journal of changes.
struct StartReport {
    LoadReport records;
    JournalLoad journal;
    QString journalPath;
};

// How a change meets the history: a change of its own, the last change
// taken back, or the last one taken back done again.
enum class HistoryStep { New, TakenBack, DoneAgain };

class RecordKeeper {
public:
    RecordKeeper(SettingsStore &settingsStore, const QString &programFolder);
    ~RecordKeeper();

    const AttendanceTable &table() const { return table_; }
    const Settings &settings() const { return settings_; }
    const ChangeHistory &history() const { return history_; }
    const QString &programFolder() const { return folder_; }
    const QString &dataFilePath() const { return store_->path(); }

    // The settings, and the records of one month read ahead.
    void readAhead(YearMonth month);
    bool hasReadAhead() const { return readAhead_; }
    // The rest of the start: the whole data file and the journal. Once.
    void finishStart();
    bool hasStarted() const { return started_; }
    // What the start found; empty once handed on.
    StartReport takeStartReport();

    // The one road of a change: its days and balance set in the table and
    // the settings (each day's record after it at full width, as the table
    // holds it), the change journaled, then the data file (and the balance
    // and the grant handled, when they moved) written through. A change the
    // data file could not take stays, to be written with the next change or
    // at the exit; a change of no days (a grant) writes the data file only
    // then.
    WriteReport apply(const Change &change, HistoryStep step);
    // The date of the last paid-leave grant handled, into memory: into the
    // store with the change that goes with it, or by saveMovedSettings.
    void handleGrant(QDate date) { settings_.grantHandled = date; }
    // The settings a change moves (the balance, the grant handled) written
    // when they moved since the store last took them; false when it could
    // not.
    bool saveMovedSettings();
    // Undo or redo reaches no further that way: its next change is not what
    // the records hold now.
    void forgetUnreachable(UndoDirection direction);
    // The year's records erased, once what changed outside is taken over and
    // the file as it is kept beside it; then down the one road.
    ErasureReport eraseYear(int year, const QDateTime &now);

    // The exit: only a change the data file has not taken yet is written.
    WriteReport saveAtExit();
    bool hasUnwrittenChanges() const { return unwritten_; }

    // Every setting into memory and the store; false when the store could
    // not take them.
    bool saveSettings(const Settings &settings);
    QString savedWindowPosition() const;
    WriteReport saveWindowPosition(const QString &ppos);

private:
    void readSettings();
    // The records (when `records` says so, or a change is unwritten) and the
    // settings a change moves written (when they moved).
    enum class RecordsWrite { Always, WhenUnwritten };
    WriteReport write(RecordsWrite records);

    SettingsStore &settingsStore_;
    QString folder_;
    AttendanceTable table_;
    Settings settings_;
    // The keys a change moves as the settings store last took them (empty
    // for a key it does not have).
    QList<QPair<QString, QString>> stored_;
    std::unique_ptr<RecordStore> store_;
    ChangeHistory history_;
    bool readAhead_ = false;
    bool started_ = false;
    StartReport startFound_; // until taken
    bool unwritten_ = false; // a change the data file has not taken
};

} // namespace zentak
