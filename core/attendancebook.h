#pragma once
// The attendance book: the one object that owns the records, the settings
// and the data file while the program runs. It is built once in main and
// handed to the windows by reference. The windows read from it and call its
// verbs; every verb that changes a record writes through at once and tells
// the views by a signal. Failures come back as values, for the window that
// acted to tell the user.

#include "attendancetable.h"
#include "calendarmath.h"
#include "changehistory.h"
#include "daykind.h"
#include "dayproposal.h"
#include "monthreport.h"
#include "ports.h"
#include "recordstore.h"
#include "reportfile.h"
#include "settings.h"

#include <QObject>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace zentak {


// Paid leave refused before anything changed: what the balance has left.
struct Refusal {
    LeaveShortfall shortfall;
};

// What the start read: the records, and the journal of changes.
struct StartReport {
    LoadReport records;
    JournalLoad journal;
    QString journalPath;
};

// A change taken back or done again.
struct UndoReport {
    // Nothing to take back (or do again); done; or refused because the
    // records are no longer what the change left (undo then reaches no
    // further back).
    // Refused too when the balance would not fit its four characters.
    enum class Outcome { Nothing, Done, Stale, BalanceOutOfRange };
    Outcome outcome = Outcome::Nothing;
    bool back = true;   // taken back, not done again
    double balance = 0; // the balance it would have given
    QDate day; // the day the change was about
    WriteReport write;
};

class AttendanceBook : public QObject {
    Q_OBJECT
public:
    explicit AttendanceBook(const BookPorts &ports, QObject *parent = nullptr);
    ~AttendanceBook() override;

    // The start, in two steps. First what the first frame shows: the
    // settings, and the records of one month read ahead from the data file.
    void readAhead(YearMonth month);
    // Then the whole start: the records from the data file, the changes that
    // can be taken back from the journal (and the settings, when nothing was
    // read ahead), and what it found, once. Every verb finishes the start
    // first, so no change and no write ever meets a part of the records;
    // the views hear of the rest by recordsChanged.
    StartReport load();

    const Settings &settings() const { return settings_; }
    // The day's record (at full width); blank when it has none.
    DayRecord record(QDate day) const;
    // One field of that record as stored, without its blank fill: for
    // readers of many days, with no copy.
    QStringView storedField(QDate day, Field field) const { return table_.stored(keyOf(day), field); }
    // The kind of the day's record; none when nothing is recorded.
    std::optional<DayKind> kindOf(QDate day) const;
    MonthTotals monthTotals(int year, int month) const;
    // The years that have records, ascending.
    std::vector<int> recordedYears() const;

    // What the day dialog shows on opening, for a day or for clocking out
    // at `now` (the usual start, now as the end, the worked time computed).
    DayProposal proposeDay(QDate day);
    DayProposal proposeClockOut(QDate day, QTime now);

    // The verbs. Each changes the records, writes them through and says
    // what the write came to.
    WriteReport storeDay(QDate day, const DayBoxes &boxes);
    // Marks the day with a leave kind; paid leave the balance does not
    // allow is refused. noteShown: the note the dialog shows (cancelling
    // gives back the paid leave it names).
    std::variant<Refusal, WriteReport> markDay(QDate day, LeaveKind kind, QStringView noteShown);
    ErasureReport eraseYear(int year);

    // The last change, taken back; the last change taken back, done again.
    // Each is a change like any other: written through and journaled.
    UndoReport takeBackLastChange();
    UndoReport doAgain();
    // The change an undo would take back; null when there is none.
    const Change *changeToTakeBack() const { return history_.toTakeBack(); }
    // The change a redo would do again; null when there is none.
    const Change *changeToDoAgain() const { return history_.toDoAgain(); }

    // The month report written beside the program: its file name, or why not.
    ReportWrite writeMonthReport(int year, int month);

    // Every setting into memory and the store; false when the store could
    // not take them (they hold for this run all the same).
    bool saveSettings(const Settings &settings);

    // The main window's position as saved ("ppos"), and saving it.
    QString savedWindowPosition() const;
    WriteReport saveWindowPosition(const QString &ppos);

    // The exit: the records and the balance when anything changed.
    WriteReport saveAtExit();
    bool hasUnwrittenChanges() const { return unwritten_; }
    QString dataFilePath() const;

signals:
    // One day changed. shownAs: the kind the act gave it, which is how its
    // calendar cell is filled until the month is drawn again.
    void dayChanged(QDate day, zentak::DayKind shownAs);
    // Many days at once: a year erased, changes taken over from outside.
    void recordsChanged();
    // The settings or the leave balance changed.
    void settingsChanged();

private:
    void readSettings();
    void finishStart();
    // A new change of the day (and the balance to `balance`), written
    // through and journaled.
    WriteReport commit(ChangeKind kind, QDate day, const DayRecord &after, const QString &balance);
    // A journal that could not be written, in the report.
    void noteJournalFailure(bool kept, const QString &error, WriteReport &report);
    UndoReport step(bool back);
    // The records and the balance written; changes taken over from outside
    // are signalled.
    WriteReport writeRecords();
    // A change written through.
    WriteReport writeThrough();

    SettingsStore &settingsStore_;
    Clock &clock_;
    QString folder_;
    AttendanceTable table_;
    Settings settings_;
    QString storedBalance_; // the balance as the settings store last took it
    std::unique_ptr<RecordStore> store_;
    ChangeHistory history_;
    bool readAhead_ = false;
    bool started_ = false;
    StartReport startFound_; // until load() hands it on
    bool changed_ = false;     // anything changed this run
    bool unwritten_ = false;   // the last write failed
};

} // namespace zentak
