#pragma once
// The month totals and the month report: walks over the days of a month of
// the table. Totals are never stored; every figure shown or written comes
// from here.

#include "attendancetable.h"
#include "settings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zentak {

struct MonthTotals {
    // Days with an attendance value, plus half a day for each half day of
    // paid leave (single precision, as the figures are shown).
    float days = 0;
    // The sum of the attendance values.
    float hours = 0;
};
MonthTotals monthTotals(const AttendanceTable &table, int year, int month);
// The years that have records, ascending.
std::vector<int> recordedYears(const AttendanceTable &table);

// The report's lines without line ends: the header, then one per recorded
// day with running totals and overtime measured against the regular hours;
// with the ten-day tally on, the running totals restart at the first
// recorded day from the 11th and again from the 21st.
QStringList monthReportLines(const AttendanceTable &table, int year, int month,
                             const Settings &settings);

// A file of the month: year, two-digit month, the extension (202405.csv).
QString monthFileName(int year, int month, QStringView extension);
// The report's name: year, two-digit month, ".txt" (202405.txt).
QString reportFileName(int year, int month);

} // namespace zentak
