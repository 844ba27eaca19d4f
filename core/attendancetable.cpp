#include "attendancetable.h"

#include "fixedtext.h"

namespace zentak {

int fieldWidth(Field f)
{
    switch (f) {
    case Field::Date: return 10;
    case Field::Week: return 1;
    case Field::Start:
    case Field::End:
    case Field::Worked:
    case Field::Kintai: return 5;
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
    case Field::Kintai: return kintai;
    case Field::Note: return note;
    }
    return note;
}

QString &DayRecord::ref(Field f)
{
    return const_cast<QString &>(static_cast<const DayRecord *>(this)->get(f));
}

bool DayRecord::inUse() const
{
    return !isBlank(date);
}

int yearSlot(int year)
{
    // The remainder of a negative year would be negative; keep 1..3.
    const int r = ((year % 3) + 3) % 3;
    return r + 1;
}

AttendanceTable::AttendanceTable()
{
    clear();
}

namespace {

// One blank text per field, shared by every blank cell: a cleared table
// holds no text of its own until a field is written.
const QString &blankField(Field f)
{
    static const std::array<QString, kFieldCount> blanks = [] {
        std::array<QString, kFieldCount> b;
        for (int i = 0; i < kFieldCount; ++i)
            b[i] = QString(fieldWidth(static_cast<Field>(i)), QLatin1Char(' '));
        return b;
    }();
    return blanks[static_cast<int>(f)];
}

} // namespace

void AttendanceTable::clear()
{
    for (int s = 1; s < kSlots; ++s)
        for (int m = 1; m < kMonths; ++m)
            for (int d = 1; d < kDays; ++d)
                for (int f = 0; f < kFieldCount; ++f) {
                    const auto field = static_cast<Field>(f);
                    cells_[s][m][d].ref(field) = blankField(field);
                }
}

bool AttendanceTable::validIndex(int slot, int month, int day)
{
    return slot >= 1 && slot < kSlots && month >= 1 && month < kMonths && day >= 1 && day < kDays;
}

QString AttendanceTable::field(int slot, int month, int day, Field f) const
{
    if (!validIndex(slot, month, day))
        return blankField(f);
    return cells_[slot][month][day].get(f);
}

void AttendanceTable::setField(int slot, int month, int day, Field f, QStringView text)
{
    if (!validIndex(slot, month, day))
        return;
    QString &cell = cells_[slot][month][day].ref(f);
    if (text.isEmpty())
        cell = blankField(f);
    else
        cell = fixedWidth(text, fieldWidth(f));
}

const DayRecord &AttendanceTable::record(int slot, int month, int day) const
{
    static const DayRecord empty = [] {
        DayRecord r;
        for (int f = 0; f < kFieldCount; ++f)
            r.ref(static_cast<Field>(f)) = QString(fieldWidth(static_cast<Field>(f)), QLatin1Char(' '));
        return r;
    }();
    if (!validIndex(slot, month, day))
        return empty;
    return cells_[slot][month][day];
}

bool AttendanceTable::inUse(int slot, int month, int day) const
{
    return record(slot, month, day).inUse();
}

} // namespace zentak
