#pragma once
// Numbers as the windows and the report show them: fixed patterns of the
// form "##0.00", "0.0", "000.00", "#,##0.00" with "." as the decimal point.
// The zeros before the point give the least number of integer digits (more
// are written when the number needs them), the zeros after it the number of
// decimals, and a "," anywhere before the point groups thousands.

#include <QString>
#include <QStringView>

namespace zentak {

// Rounds halves away from zero on the shortest decimal form of the value
// (so 0.125 gives 0.13 and a single 1.005 gives 1.01); a negative value
// keeps its leading minus, one that rounds to zero shows none.
QString formatNumber(double value, QStringView pattern);
QString formatNumber(float value, QStringView pattern);

} // namespace zentak
