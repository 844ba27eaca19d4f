#include "dayrecord.h"

#include "fixedtext.h"

#include <array>

namespace zentak {

int fieldWidth(Field f)
{
    switch (f) {
    case Field::Date: return 10;
    case Field::Week: return 1;
    case Field::Start:
    case Field::End:
    case Field::Worked:
    case Field::Attendance: return 5;
    case Field::Note: return 200;
    }
    return 0;
}

const QString &DayRecord::get(Field f) const
{
    switch (f) {
    case Field::Date: return date;
    case Field::Week: return week;
    case Field::Start: return start;
    case Field::End: return end;
    case Field::Worked: return worked;
    case Field::Attendance: return attendance;
    case Field::Note: return note;
    }
    return note;
}

QString &DayRecord::ref(Field f)
{
    return const_cast<QString &>(static_cast<const DayRecord *>(this)->get(f));
}

DayRecord DayRecord::blank()
{
    DayRecord r;
    for (int f = 0; f < kFieldCount; ++f)
        r.ref(Field(f)) = QString(fieldWidth(Field(f)), QLatin1Char(' '));
    return r;
}

bool DayRecord::inUse() const
{
    return !isBlank(date);
}

QString fullWidthField(QStringView stored, Field f)
{
    // One blank text per field, shared by every read of a blank field.
    static const std::array<QString, kFieldCount> blanks = [] {
        std::array<QString, kFieldCount> b;
        for (int i = 0; i < kFieldCount; ++i)
            b[i] = QString(fieldWidth(static_cast<Field>(i)), QLatin1Char(' '));
        return b;
    }();
    if (stored.isEmpty())
        return blanks[static_cast<int>(f)];
    return fixedWidth(stored, fieldWidth(f));
}

} // namespace zentak
