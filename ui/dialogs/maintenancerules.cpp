#include "maintenancerules.h"

#include "numberformat.h"
#include "numbers.h"

#include <algorithm>

namespace zentak {

QStringList yearChoices(int currentYear, const std::vector<int> &recordedYears)
{
    std::vector<int> years = recordedYears;
    for (int y = currentYear - 3; y <= currentYear + 3; ++y)
        years.push_back(y);
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    QStringList texts;
    for (int y : years)
        texts << QString::number(y);
    return texts;
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
