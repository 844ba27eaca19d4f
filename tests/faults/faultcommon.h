#pragma once
// What the fault tests share: two different full tables (so a write always
// changes the file).

#include "attendancetable.h"
#include "realstore.h"

namespace zentak::faults {

// A full year in every slot; `variant` changes every note, so two variants
// never give the same file.
inline void fillTable(AttendanceTable &t, int variant)
{
    for (int s = 1; s <= 3; ++s)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 28; ++d) {
                const int year = 2024 + (s + 1) % 3;
                t.setField(yearSlot(year), m, d, Field::Date,
                           QStringLiteral("%1/%2/%3").arg(year).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0')));
                t.setField(yearSlot(year), m, d, Field::Week, QStringLiteral("月"));
                t.setField(yearSlot(year), m, d, Field::Attendance, QStringLiteral("08.00"));
                t.setField(yearSlot(year), m, d, Field::Note,
                           QStringLiteral("作業 %1 の記録、会議と資料作成").arg(variant));
            }
}

} // namespace zentak::faults
