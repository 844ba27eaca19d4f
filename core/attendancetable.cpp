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

int yearSlot(int year)
{
    // The remainder of a negative year would be negative; keep 1..3.
    const int r = ((year % 3) + 3) % 3;
    return r + 1;
}

TableCell cellOf(QDate day)
{
    return {yearSlot(day.year()), day.month(), day.day()};
}

void eraseYear(AttendanceTable &table, int year)
{
    const int slot = yearSlot(year);
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d)
            table.setRecord(slot, m, d, {});
}

namespace {

// The stored form of a field: cut to its width, trailing blanks removed.
QStringView storedForm(QStringView text, Field f)
{
    return trimmedTrailingBlanks(leftCharsView(text, fieldWidth(f)));
}

// One blank text per field, shared by every read of a blank field.
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

// The full-width text of a stored field.
QString padded(QStringView stored, Field f)
{
    if (stored.isEmpty())
        return blankField(f);
    return fixedWidth(stored, fieldWidth(f));
}

} // namespace

void AttendanceTable::clear()
{
    for (Cell &c : cells_)
        c = Cell();
}

bool AttendanceTable::validIndex(int slot, int month, int day)
{
    return slot >= 1 && slot < kSlots && month >= 1 && month < kMonths && day >= 1 && day < kDays;
}

int AttendanceTable::indexOf(int slot, int month, int day)
{
    return validIndex(slot, month, day) ? (slot * kMonths + month) * kDays + day : -1;
}

const AttendanceTable::Cell *AttendanceTable::cell(int slot, int month, int day) const
{
    const int i = indexOf(slot, month, day);
    return i < 0 ? nullptr : &cells_[i];
}

QStringView AttendanceTable::storedPart(const Cell &cell, Field f)
{
    qsizetype offset = 0;
    for (int i = 0; i < static_cast<int>(f); ++i)
        offset += cell.length[i];
    return QStringView(cell.text).mid(offset, cell.length[static_cast<int>(f)]);
}

QStringView AttendanceTable::stored(int slot, int month, int day, Field f) const
{
    const Cell *c = cell(slot, month, day);
    return c ? storedPart(*c, f) : QStringView();
}

QString AttendanceTable::field(int slot, int month, int day, Field f) const
{
    return padded(stored(slot, month, day, f), f);
}

void AttendanceTable::setField(int slot, int month, int day, Field f, QStringView text)
{
    const Cell *c = cell(slot, month, day);
    if (!c)
        return;
    std::array<QStringView, kFieldCount> fields;
    for (int i = 0; i < kFieldCount; ++i)
        fields[i] = storedPart(*c, static_cast<Field>(i));
    fields[static_cast<int>(f)] = text;
    setRecord(slot, month, day, fields);
}

void AttendanceTable::setRecord(int slot, int month, int day,
                                const std::array<QStringView, kFieldCount> &fields)
{
    const int index = indexOf(slot, month, day);
    if (index < 0)
        return;
    Cell next;
    qsizetype total = 0;
    std::array<QStringView, kFieldCount> parts;
    for (int i = 0; i < kFieldCount; ++i) {
        parts[i] = storedForm(fields[i], static_cast<Field>(i));
        next.length[i] = static_cast<std::uint16_t>(parts[i].size());
        total += parts[i].size();
    }
    if (total > 0) {
        // The new text is built before the old one goes: the fields may be
        // views into it.
        next.text.reserve(total);
        for (const QStringView &p : parts)
            next.text.append(p);
    }
    cells_[index] = std::move(next);
}

void AttendanceTable::setRecord(const TableCell &c, const DayRecord &r)
{
    setRecord(c.slot, c.month, c.day, {r.date, r.week, r.start, r.end, r.worked, r.attendance, r.note});
}

DayRecord AttendanceTable::record(int slot, int month, int day) const
{
    DayRecord r;
    for (int f = 0; f < kFieldCount; ++f)
        r.ref(static_cast<Field>(f)) = field(slot, month, day, static_cast<Field>(f));
    return r;
}

bool AttendanceTable::inUse(int slot, int month, int day) const
{
    // The stored date has no trailing blanks: blank is empty, or blanks only
    // when it had leading ones.
    return !isBlank(stored(slot, month, day, Field::Date));
}

bool AttendanceTable::sameCell(const AttendanceTable &other, int slot, int month, int day) const
{
    const Cell *a = cell(slot, month, day);
    const Cell *b = other.cell(slot, month, day);
    if (!a || !b)
        return a == b;
    return a->length == b->length && a->text == b->text;
}

} // namespace zentak
