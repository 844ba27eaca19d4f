#pragma once
// The month's timesheet drawn as one A4 portrait page of PDF: the title,
// the month and the user's name, the stamp boxes, a row for every day
// (Sundays, holidays and Saturdays shaded), the month's figures. Its fonts
// are embedded and its text can be searched.

#include "timesheet.h"

#include <QByteArray>

namespace zentak {

// The PDF's bytes; empty when the page could not be drawn.
QByteArray timesheetPdf(const Timesheet &sheet);

} // namespace zentak
