#include "outsidechanges.h"

#include <algorithm>
#include <vector>

namespace zentak {

OutsideChanges takeOverOutsideChanges(AttendanceTable &table, const AttendanceTable &base,
                                      const AttendanceTable &theirs)
{
    OutsideChanges changes;
    // A day that changed outside is in one of the two files.
    std::vector<DayKey> days;
    days.reserve(size_t(base.size() + theirs.size()));
    for (qsizetype i = 0; i < base.size(); ++i)
        days.push_back(base.keyAt(i));
    for (qsizetype i = 0; i < theirs.size(); ++i)
        days.push_back(theirs.keyAt(i));
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (const DayKey &day : days) {
        if (theirs.sameDay(base, day) || theirs.sameDay(table, day))
            continue;
        // A day gone from the outside file is kept: a file cut short or
        // emptied outside must not take records with it.
        if (!theirs.inUse(day)) {
            ++changes.removedOutside;
            continue;
        }
        if (table.sameDay(base, day)) {
            table.setRecord(day, theirs.record(day));
            ++changes.takenOver;
            continue;
        }
        ++changes.changedBoth;
    }
    return changes;
}

} // namespace zentak
