#pragma once
// What the maintenance dialog shows and does, apart from its widgets.

#include <QString>
#include <QStringList>

#include <vector>

namespace zentak {

// The years of the list, ascending: every year with records, and three
// before to three after the current one.
QStringList yearChoices(int currentYear, const std::vector<int> &recordedYears);

// A month total as the year overview shows it ("#,##0.00").
QString monthTotalText(float hours);
// An output button is enabled exactly when its shown total is not zero, read
// back from the shown text (its leading number, up to a thousands
// separator).
bool outputEnabled(const QString &shownTotal);

} // namespace zentak
