#pragma once
// Taking back the last change, or doing again the last one taken back, as
// a rule of its own: what the step would do to the records and the balance
// as they are now, or why it cannot be done.

#include "attendancetable.h"
#include "journal.h"
#include "recordstore.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace zentak {

// Which way a step goes through the history: the last change taken back
// (undo), or the last one taken back done again (redo).
enum class UndoDirection { Back, Again };

// A change taken back or done again.
struct UndoReport {
    // Nothing to take back (or do again); done; or refused because the
    // records are no longer what the change left (undo then reaches no
    // further back).
    // Refused too when the balance would not fit its four characters.
    enum class Outcome { Nothing, Done, Stale, BalanceOutOfRange };
    Outcome outcome = Outcome::Nothing;
    UndoDirection direction = UndoDirection::Back;
    double balance = 0; // the balance it would have given
    QDate day; // the day the change was about
    WriteReport write;
};

struct UndoStep {
    UndoReport::Outcome outcome = UndoReport::Outcome::Done;
    // The change as it is made now (when Done): its cells and the balance
    // from the one now to the one it gives.
    Change done;
    double balance = 0; // the balance it would give (when BalanceOutOfRange)
};

// The step that takes `next` back or does it again, made `now` on the
// table and the balance as they are.
UndoStep planUndoStep(const Change &next, UndoDirection direction, const AttendanceTable &table,
                      const QString &balance, const QDateTime &now);

} // namespace zentak
