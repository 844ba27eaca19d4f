#pragma once
// Shape rules for time texts ("HH:MM") and decimal-hours texts ("HH.MM").

#include <QString>
#include <QStringView>

namespace zentak {

// A time text: the third character a colon, the first two characters 00 to
// 23 and the last two 00 to 59. There is no length check: a longer text
// passes on its first three and last two characters (a time with seconds).
bool isTimeText(QStringView text);

// A decimal-hours text: the third character a point, and the first two and
// the last two characters numbers (99.99 passes, and so does 07.80).
bool isDecimalHoursText(QStringView text);

// The hours of a time text followed by its minutes rounded down to the
// quarter hour: ".00", ".25", ".50" or ".75" (nothing for minutes past 59).
QString quarterHours(QStringView text);

} // namespace zentak
