#pragma once
// Tables as a user's would be: every day of whole years, or every day
// number of three years, with work notes of about twenty characters.

#include "attendancetable.h"

namespace zentak::bench {

// Every day of the years ending with lastYear (three: 1,095 or 1,096
// records): weekdays worked, weekends as holidays, a paid leave now and then.
void fillYears(AttendanceTable &table, int lastYear, int years = 3);

// Days 1-31 of every month of 2024-2026 (1,116 records, the 29th to 31st
// of every month included, 2/30 and the like too), notes of `noteLength`
// characters.
void fillEveryCell(AttendanceTable &table, int noteLength = 20);

} // namespace zentak::bench
