#pragma once
// The month totals and the month report: one walk over the days of a month.
// Totals are never stored; every figure shown or written comes from here.

#include "attendancetable.h"
#include "settings.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zentak {

struct MonthResult {
    // Days with an attendance value, plus half a day for each half day of
    // paid leave.
    float MonthDays = 0;
    // Sum of the attendance values; in output mode with the ten-day tally
    // on, the sum of the last ten-day block only.
    float MonthHours = 0;
    // Output mode only: the report's header and one line per recorded day,
    // without line ends.
    QStringList lines;
};

// Totals the month of the table's slot for the year (the records the slot
// holds, whatever their own year); mode "1" (any letter case) also builds
// the report lines with DayTM and the ten-day tally Ktsw of the settings.
MonthResult Monthout(const AttendanceTable &table, int year, int month, QStringView mode,
                     const Settings &settings);

// The report's name: year, two-digit month, ".txt" (202405.txt).
QString reportFileName(int year, int month);

} // namespace zentak
