#include "workingdays.h"

#include "nationalholidays.h"

namespace zentak {

bool isWorkingDay(QDate day, Qt::DayOfWeek restDay)
{
    if (!day.isValid())
        return false;
    const int weekday = day.dayOfWeek();
    return weekday <= Qt::Friday && weekday != restDay && !nationalHolidayName(day);
}

} // namespace zentak
