#include "undostep.h"

#include "daykind.h"

namespace zentak {

UndoStep planUndoStep(const Change &next, UndoDirection direction, const AttendanceTable &table,
                      const QString &balance, const QDateTime &now)
{
    const bool back = direction == UndoDirection::Back;
    UndoStep step;
    // The cells as they change now.
    step.done = back ? reversed(next) : next;
    step.done.kind = back ? ChangeKind::TakenBack : ChangeKind::DoneAgain;
    step.done.when = now;
    for (const CellChange &c : step.done.cells) {
        // Changed since (from outside, or before an unreadable part of the
        // journal): taking it back would lose what is there now.
        if (table.record(c.day) != c.before) {
            step.outcome = UndoReport::Outcome::Stale;
            return step;
        }
    }
    // The balance moves by what the change moved it, whatever the settings
    // have made of it since; a balance its four characters cannot hold is
    // refused, as paid leave the balance does not allow is.
    const double moved = balanceValue(step.done.balanceAfter) - balanceValue(step.done.balanceBefore);
    const std::optional<QString> after = moved != 0 ? balanceTextFor(balanceValue(balance) + moved) : balance;
    if (!after) {
        step.outcome = UndoReport::Outcome::BalanceOutOfRange;
        step.balance = balanceValue(balance) + moved;
        return step;
    }
    step.done.balanceBefore = balance;
    step.done.balanceAfter = *after;
    return step;
}

} // namespace zentak
