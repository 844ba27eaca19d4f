#pragma once
// The attendance book: the one object that owns the records, the settings
// and the data file while the program runs. It is built once in main and
// handed to the windows by reference. The windows read from it and call its
// verbs; every verb that changes a record writes through at once and tells
// the views by a signal. Failures come back as values, for the window that
// acted to tell the user.

#include "daykind.h"
#include "dayproposal.h"
#include "endofday.h"
#include "leavegrant.h"
#include "monthreport.h"
#include "overtime.h"
#include "recordkeeper.h"
#include "reportfile.h"
#include "timesheet.h"
#include "undostep.h"

#include <QObject>

#include <optional>
#include <variant>
#include <vector>

namespace zentak {

// Paid leave refused before anything changed: what the balance has left.
struct Refusal {
    LeaveShortfall shortfall;
};

// A grant refused before anything changed: the balance it would give does
// not fit its four characters.
struct GrantTooLarge {
    double balance;
};

class AttendanceBook : public QObject {
    Q_OBJECT
public:
    explicit AttendanceBook(const BookPorts &ports, QObject *parent = nullptr);
    ~AttendanceBook() override;

    // The start, in two steps. First what the first frame shows: the
    // settings, and the records of one month read ahead from the data file.
    void readAhead(YearMonth month);
    // Then the whole start, once, before the user can act: the records from
    // the data file, the changes that can be taken back from the journal
    // (and the settings, when nothing was read ahead), and what it found.
    // No verb runs before it, so no change and no write ever meets a part
    // of the records; the views hear of the rest by recordsChanged.
    StartReport load();

    const Settings &settings() const { return keeper_.settings(); }
    // The day's record (at full width); blank when it has none.
    DayRecord record(QDate day) const;
    // One field of that record as stored, without its blank fill: for
    // readers of many days, with no copy.
    QStringView storedField(QDate day, Field field) const { return keeper_.table().stored(keyOf(day), field); }
    // The kind of the day's record; none when nothing is recorded.
    std::optional<DayKind> kindOf(QDate day) const;
    MonthTotals monthTotals(int year, int month) const;
    // The years that have records, ascending.
    std::vector<int> recordedYears() const;

    // Overtime and holiday work as the law counts them, by the settings'
    // legal rest day and first month of the agreement year: the month's
    // sums and each of its days, the agreement year that holds a day, the
    // year's figures, and this month's overtime foreseen. `today` comes
    // from the window's clock.
    DayLaw monthLaw(int year, int month) const;
    QList<DayLaw> monthLawDays(int year, int month) const;
    int agreementYearHolding(QDate day) const;
    AgreementYear agreementYear(int firstYear, QDate today) const;
    int projectedOvertime(QDate today) const;

    // The working days of the month before `today` that have no record, and
    // what the end-of-day reminder does at `now` (endofday.h).
    QList<QDate> daysNotRecorded(YearMonth month, QDate today) const;
    ReminderStep reminderStep(const QDateTime &now, QDate lastReminded) const;

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
    // Each is a change like any other: journaled and written through.
    UndoReport takeBackLastChange() { return step(UndoDirection::Back); }
    UndoReport doAgain() { return step(UndoDirection::Again); }
    // The change an undo would take back; null when there is none.
    const Change *changeToTakeBack() const { return keeper_.history().toTakeBack(); }
    // The change a redo would do again; null when there is none.
    const Change *changeToDoAgain() const { return keeper_.history().toDoAgain(); }

    // The month report written beside the program: its file name, or why not.
    ReportWrite writeMonthReport(int year, int month);
    // The month's timesheet, every day of it, to be written out.
    Timesheet timesheet(int year, int month);

    // Every setting into memory and the store; false when the store could
    // not take them (they hold for this run all the same). A hire date
    // newly given takes the grants already come as handled.
    bool saveSettings(const Settings &settings);

    // The yearly paid-leave grants (leavegrant.h), by the settings and
    // today's date from the clock; none without a hire date. A stored date
    // of the last grant handled that is none or after today is settled as
    // the last grant come: false when the store could not take it.
    bool settleGrantHandled();
    // The oldest grant come and not handled yet, and what it would do.
    std::optional<GrantOffer> dueGrant() const;
    // That grant taken: the balance as its offer says, a change like any
    // other (undo takes it back), and the grant handled; refused, with
    // nothing changed, when the balance would not fit. Declined: handled,
    // the balance as it was.
    std::variant<GrantTooLarge, WriteReport> takeDueGrant();
    WriteReport declineDueGrant();
    // The five days a year of the grant in force today.
    std::optional<FiveDays> fiveDays() const;


    // The main window's position as saved ("ppos"), and saving it.
    QString savedWindowPosition() const { return keeper_.savedWindowPosition(); }
    WriteReport saveWindowPosition(const QString &ppos) { return keeper_.saveWindowPosition(ppos); }

    // The exit: a change the data file could not take yet is written again;
    // with every change written through, nothing is.
    WriteReport saveAtExit() { return keeper_.saveAtExit(); }
    bool hasUnwrittenChanges() const { return keeper_.hasUnwrittenChanges(); }
    QString dataFilePath() const { return keeper_.dataFilePath(); }

signals:
    // One day changed. shownAs: the kind the act gave it, which is how its
    // calendar cell is filled until the month is drawn again.
    void dayChanged(QDate day, zentak::DayKind shownAs);
    // Many days at once: a year erased, changes taken over from outside.
    void recordsChanged();
    // The settings or the leave balance changed.
    void settingsChanged();
    // What undo and redo reach changed: a change made, taken back or done
    // again, the journal read, or a step refused.
    void historyChanged();

private:
    // The start is finished before any verb: the window runs it before the
    // first key or click is handled.
    void requireStarted() const;
    // The hire date as it counts today; invalid when it does not.
    QDate hireDate() const;
    // A new change of the day (and the balance to `balance`), down the
    // keeper's one road.
    WriteReport commit(ChangeKind kind, QDate day, const DayRecord &after, const QString &balance);
    UndoReport step(UndoDirection direction);
    // A change applied: the changes it took over from outside and the new
    // history signalled.
    WriteReport applied(WriteReport written);

    RecordKeeper keeper_;
    Clock &clock_;
};

} // namespace zentak
