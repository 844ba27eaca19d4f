#pragma once
// Japan's national holidays from 1955 to 2099, worked out by the rules of the
// law on them as it stood each year, with the single days that special laws
// added. The equinox days come from the usual formula: the government fixes
// them each February for the next year, and the formula foretells them.

#include <QDate>
#include <QString>

#include <optional>

namespace zentak {

// The holiday's name as the government lists it ("建国記念の日"; a substitute
// day or a day between two holidays is "休日"), or none: an ordinary day, or
// a date outside 1955..2099.
std::optional<QString> nationalHolidayName(QDate day);

} // namespace zentak
