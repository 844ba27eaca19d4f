#pragma once
// Shape rules for time texts ("HH:MM") and decimal-hours texts ("HH.MM").

#include <QString>
#include <QStringView>

namespace zentak {

// True when text has the shape asked for by mode: "0" a time text, "1" a
// decimal-hours text; any other mode checks only the two digit pairs.
bool timechk(QStringView text, QStringView mode);

// The hours of a time text followed by its minutes rounded down to the
// quarter hour: ".00", ".25", ".50" or ".75" (nothing for minutes past 59).
QString qtrhour(QStringView text);

} // namespace zentak
