#pragma once
// The in-memory store of every day record: seven fixed-width fields per
// [year slot][month][day]. Years that differ by a multiple of three share a
// slot; a cell holds whatever was written to it last.
//
// A read always yields the field's full width. The blank fill is not stored:
// each cell keeps its seven fields, cut to their widths and without trailing
// blanks, one after another in one text, and the blanks are added on read.
// A blank cell holds nothing at all.

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace zentak {

enum class Field { Date, Week, Start, End, Worked, Attendance, Note };
constexpr int kFieldCount = 7;

int fieldWidth(Field f);

// A record as read: every field at its full width.
struct DayRecord {
    QString date;   // 10
    QString week;   // 1
    QString start;  // 5
    QString end;    // 5
    QString worked; // 5
    QString attendance; // 5, decimal hours
    QString note;   // 200

    const QString &get(Field f) const;
    QString &ref(Field f);
    bool inUse() const;
    // A record not in use: every field blank at its full width.
    static DayRecord blank();
    bool operator==(const DayRecord &) const = default;
};

// Where a day's record is kept: its year's slot, its month and its day.
struct TableCell {
    int slot = 0;
    int month = 0;
    int day = 0;
};

int yearSlot(int year);
TableCell cellOf(QDate day);

class AttendanceTable;
// Empties every field of every day of the year's slot (the records of the
// years that share it go with it).
void eraseYear(AttendanceTable &table, int year);

class AttendanceTable {
public:
    static constexpr int kSlots = 4;  // 0 unused
    static constexpr int kMonths = 13; // 0 unused
    static constexpr int kDays = 32;   // 0 unused

    AttendanceTable() = default;

    // Blanks every usable cell (slots 1-3, months 1-12, days 1-31).
    void clear();

    static bool validIndex(int slot, int month, int day);

    // Reads the full-width text of a field; blanks for an index out of range.
    QString field(int slot, int month, int day, Field f) const;
    // The field without its blank fill: the text as stored, cut to the
    // width, trailing blanks removed (empty for a blank field).
    QStringView stored(int slot, int month, int day, Field f) const;
    // Stores by the fixed-width rule; ignored for an index out of range.
    void setField(int slot, int month, int day, Field f, QStringView text);
    // Stores all seven fields at once, in the order of Field.
    void setRecord(int slot, int month, int day, const std::array<QStringView, kFieldCount> &fields);

    DayRecord record(int slot, int month, int day) const;
    bool inUse(int slot, int month, int day) const;
    // True when the two tables hold the same record in this cell.
    bool sameCell(const AttendanceTable &other, int slot, int month, int day) const;

    DayRecord record(const TableCell &c) const { return record(c.slot, c.month, c.day); }
    // Stores every field of the record by the fixed-width rule.
    void setRecord(const TableCell &c, const DayRecord &r);
    bool inUse(const TableCell &c) const { return inUse(c.slot, c.month, c.day); }
    QStringView stored(const TableCell &c, Field f) const { return stored(c.slot, c.month, c.day, f); }

private:
    struct Cell {
        QString text;                               // the fields one after another
        std::array<std::uint16_t, kFieldCount> length{}; // of each, in UTF-16 units
    };
    static int indexOf(int slot, int month, int day);
    static QStringView storedPart(const Cell &cell, Field f);
    const Cell *cell(int slot, int month, int day) const;

    std::array<Cell, kSlots * kMonths * kDays> cells_;
};

} // namespace zentak
