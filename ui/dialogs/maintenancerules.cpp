#include "maintenancerules.h"

#include "numberformat.h"
#include "numbers.h"

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

} // namespace zentak
