#pragma once
// The days one is expected at work: Monday to Friday, unless a national
// holiday or the user's legal rest day.

#include <QDate>

namespace zentak {

bool isWorkingDay(QDate day, Qt::DayOfWeek restDay);

} // namespace zentak
