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

// The minutes after midnight of a text that passed the time check: the
// hours are the two characters before the colon, the minutes the two after
// it (a longer text such as "09:30:00" keeps its seconds out).
int minutesOfTime(QStringView time);

// A duration of whole minutes as hours and minutes, the hours without
// leading zeros: "0:45", "69:00", "123:05". A negative duration counts 0.
QString hoursMinutesText(int minutes);

} // namespace zentak
