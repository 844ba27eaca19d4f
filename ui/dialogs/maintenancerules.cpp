#include "maintenancerules.h"

#include "numberformat.h"
#include "windowpos.h"

namespace zentak {

QStringList yearChoices(int currentYear)
{
    QStringList years;
    for (int y = currentYear - 3; y <= currentYear + 3; ++y)
        years << QString::number(y);
    return years;
}

QString monthTotalText(float hours)
{
    return formatNumber(hours, u"#,##0.00");
}

bool outputEnabled(const QString &shownTotal)
{
    return leadingNumber(shownTotal) != 0;
}

void eraseYear(AttendanceTable &table, int year)
{
    const int slot = yearSlot(year);
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d)
            for (int f = 0; f < kFieldCount; ++f)
                table.setField(slot, m, d, static_cast<Field>(f), QString());
}

} // namespace zentak
