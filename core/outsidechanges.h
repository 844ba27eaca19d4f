#pragma once
// Another writer: the data file may change on disk while the program runs
// (a synchronisation tool between two computers, a hand edit, a backup put
// back). Before the table replaces the file, what changed outside since
// this run last read or wrote it is taken over, day by day, so that neither
// side's records are lost.

#include "attendancetable.h"

namespace zentak {

struct OutsideChanges {
    int takenOver = 0;    // days changed outside only: the outside record is taken
    int changedBoth = 0;  // days changed on both sides: this run's record stays
    int removedOutside = 0; // days the outside file dropped: kept as this run has them
    int unreadable = 0;   // records of the outside file that could not be read
    // The outside file holds records the table will not: it must be kept
    // aside before the table replaces it.
    bool needsCopy() const { return changedBoth > 0 || unreadable > 0; }
};

// base: the records as this run last read or wrote them; theirs: the
// records the file holds now. The table (this run's records) takes over
// every day that changed outside and not here. The unreadable records are
// the caller's to count.
OutsideChanges takeOverOutsideChanges(AttendanceTable &table, const AttendanceTable &base,
                                      const AttendanceTable &theirs);

} // namespace zentak
