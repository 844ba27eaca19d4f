#pragma once
// Tables as a user's would be: every day of three whole years, or every
// cell of the table, with work notes of about twenty characters.

#include "attendancetable.h"

namespace zentak::bench {

// Every day of the three years ending with lastYear (1,095 or 1,096
// records): weekdays worked, weekends as holidays, a paid leave now and then.
void fillYears(AttendanceTable &table, int lastYear);

// All 1,116 usable cells in use (days 29-31 of every month included), notes
// of `noteLength` characters.
void fillEveryCell(AttendanceTable &table, int noteLength = 20);

} // namespace zentak::bench
