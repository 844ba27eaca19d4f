#pragma once
// Japan's national holidays from 1955 to 2099, worked out by the rules of the
// law on them as it stood each year, with the single days that special laws
// added. The equinox days come from the usual formula: the government fixes
// them each February for the next year, and the formula foretells them.

#include <QDate>
#include <QString>

#include <optional>

namespace zentak {

// The holiday's name as calendars give it ("建国記念の日"; the day off for a
// holiday on a Sunday is "振替休日", a day between two holidays "国民の休日",
// where the government's list has "休日" for both, the word of a day-kind
// button), or none: an ordinary day, or a date outside 1955..2099.
std::optional<QString> nationalHolidayName(QDate day);

} // namespace zentak
