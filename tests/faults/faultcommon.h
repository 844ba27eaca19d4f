#pragma once
// What the fault tests share: two different full tables (so a write always
// changes the file).

#include "attendancetable.h"
#include "realstore.h"

namespace zentak::faults {

// 28 days of every month of three years; `variant` changes every note, so two variants
// never give the same file.
inline void fillTable(AttendanceTable &t, int variant)
{
    for (int s = 1; s <= 3; ++s)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 28; ++d) {
                const DayKey day{2024 + (s + 1) % 3, m, d};
                DayRecord r = DayRecord::blank();
                r.date = day.dateText();
                r.week = QStringLiteral("月");
                r.attendance = QStringLiteral("08.00");
                r.note = QStringLiteral("作業 %1 の記録、会議と資料作成").arg(variant);
                t.setRecord(day, r);
            }
}

} // namespace zentak::faults
