#include "outsidechanges.h"

#include "datafile.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace zentak {

OutsideChanges takeOverOutsideChanges(AttendanceTable &table, const QByteArray &base,
                                      const QByteArray &outside)
{
    // Two more tables, only when the file changed outside.
    auto before = std::make_unique<AttendanceTable>();
    auto theirs = std::make_unique<AttendanceTable>();
    const ParseResult known = parseRecords(base, *before);
    const ParseResult read = parseRecords(outside, *theirs);

    OutsideChanges changes;
    // Records the file held unreadable when this run read it are kept
    // aside already (Zentak.txt.orig): only new ones count.
    changes.unreadable = std::max(0, read.skipped + read.replaced - known.skipped - known.replaced);
    // A day that changed outside is in one of the two files.
    std::vector<DayKey> days;
    days.reserve(size_t(before->size() + theirs->size()));
    for (qsizetype i = 0; i < before->size(); ++i)
        days.push_back(before->keyAt(i));
    for (qsizetype i = 0; i < theirs->size(); ++i)
        days.push_back(theirs->keyAt(i));
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (const DayKey &day : days) {
        if (theirs->sameDay(*before, day) || theirs->sameDay(table, day))
            continue;
        // A day gone from the outside file is kept: a file cut short or
        // emptied outside must not take records with it.
        if (!theirs->inUse(day)) {
            ++changes.removedOutside;
            continue;
        }
        if (table.sameDay(*before, day)) {
            table.setRecord(day, theirs->record(day));
            ++changes.takenOver;
            continue;
        }
        ++changes.changedBoth;
    }
    return changes;
}

} // namespace zentak
