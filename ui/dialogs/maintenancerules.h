#pragma once
// What the maintenance dialog shows and does, apart from its widgets.

#include <QString>
#include <QStringList>

namespace zentak {

// The years of the list: three before to three after the given one.
QStringList yearChoices(int currentYear);

// A month total as the year overview shows it ("#,##0.00").
QString monthTotalText(float hours);
// An output button is enabled exactly when its shown total is not zero, read
// back from the shown text (its leading number, up to a thousands
// separator).
bool outputEnabled(const QString &shownTotal);

} // namespace zentak
