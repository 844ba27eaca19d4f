#pragma once
// The journal of changes: every change to the records (a day stored or
// marked, a year erased, paid leave granted, a change taken back or done
// again) as one line of the file Zentak.journal beside the data file, in
// its code page, readable by a person: when, what, the leave balance before
// and after, and for each day changed what it was and what it became (a
// grant changes none: "2027/04/01 09:30:00","付与","","10.5","18.0").
//
//   "2026/12/07 18:12:33","休日","","10.0","10.0","2026/12/08",
//   "2026/12/08","火","09:00","18:00","08:00","08.00","設計",
//   "2026/12/08","火","00:00","00:00","00:00","00.00","休日"
//
// (on one line). Fields are quoted and end with their last non-blank
// character; a backslash, a carriage return and a line feed inside a field
// are written \\, \r and \n, so a note with line breaks stays on its line.

#include "attendancetable.h"
#include "daykind.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace zentak {

// LeaveGranted: the yearly paid-leave grant, which changes no day, only
// the balance.
enum class ChangeKind { Stored, WholeDayPaid, HalfDayPaid, Holiday, Compensatory, Cancelled, YearErased,
                        TakenBack, DoneAgain, LeaveGranted };

// The change a leave kind's button makes.
ChangeKind changeKindOf(LeaveKind kind);

// One day: its record before the change and after it (full width).
struct CellChange {
    DayKey day;
    DayRecord before;
    DayRecord after;
};

struct Change {
    QDateTime when;
    ChangeKind kind = ChangeKind::Stored;
    int year = 0; // the year chosen for an erasure
    QString balanceBefore;
    QString balanceAfter;
    QList<CellChange> cells;

    // The day the change is about: the first changed day a calendar has
    // (invalid when it changed only days no calendar has).
    QDate day() const;
};

// The change the other way round: what taking it back does to each cell and
// to the balance.
Change reversed(const Change &change);

// The change as its line of the journal, CR LF included; nullopt when a
// text has no code in the code page (a record never has such a text).
std::optional<QByteArray> journalLine(const Change &change);
// A line (without its line end) read back; nullopt when it is not a line
// of the journal.
std::optional<Change> parseJournalLine(QByteArrayView line);

} // namespace zentak
