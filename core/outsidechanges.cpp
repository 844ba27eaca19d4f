#include "outsidechanges.h"

#include "datafile.h"

#include <algorithm>
#include <memory>

namespace zentak {

OutsideChanges takeOverOutsideChanges(AttendanceTable &table, const QByteArray &base,
                                      const QByteArray &outside)
{
    // Two more tables of a few dozen kilobytes each, only when the file
    // changed outside.
    auto before = std::make_unique<AttendanceTable>();
    auto theirs = std::make_unique<AttendanceTable>();
    const ParseResult known = parseRecords(base, *before);
    const ParseResult read = parseRecords(outside, *theirs);

    OutsideChanges changes;
    // Records the file held unreadable when this run read it are kept
    // aside already (Zentak.txt.orig): only new ones count.
    changes.unreadable = std::max(0, read.skipped + read.replaced - known.skipped - known.replaced);
    for (int s = 1; s <= 3; ++s) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                if (theirs->sameCell(*before, s, m, d) || theirs->sameCell(table, s, m, d))
                    continue;
                // A day gone from the outside file is kept: a file cut short
                // or emptied outside must not take records with it.
                if (!theirs->inUse(s, m, d)) {
                    ++changes.removedOutside;
                    continue;
                }
                if (table.sameCell(*before, s, m, d)) {
                    std::array<QStringView, kFieldCount> fields;
                    for (int f = 0; f < kFieldCount; ++f)
                        fields[f] = theirs->stored(s, m, d, Field(f));
                    table.setRecord(s, m, d, fields);
                    ++changes.takenOver;
                    continue;
                }
                ++changes.changedBoth;
            }
        }
    }
    return changes;
}

} // namespace zentak
