#pragma once
// The in-memory store of every day record: seven fixed-width fields per
// [year slot][month][day]. Years that differ by a multiple of three share a
// slot; a cell holds whatever was written to it last.

#include <QString>

#include <array>

namespace zentak {

enum class Field { Date, Week, Start, End, Worked, Kintai, Note };
constexpr int kFieldCount = 7;

int fieldWidth(Field f);

struct DayRecord {
    QString date;   // 10
    QString week;   // 1
    QString start;  // 5
    QString end;    // 5
    QString worked; // 5
    QString kintai; // 5
    QString note;   // 200

    const QString &get(Field f) const;
    QString &ref(Field f);
    bool inUse() const;
};

// The cell being worked on: the hand-off between windows.
struct CellCursor {
    int slot = 0;
    int month = 0;
    int day = 0;
};

int yearSlot(int year);

class AttendanceTable {
public:
    static constexpr int kSlots = 4;  // 0 unused
    static constexpr int kMonths = 13; // 0 unused
    static constexpr int kDays = 32;   // 0 unused

    AttendanceTable();

    // Blanks every usable cell (slots 1-3, months 1-12, days 1-31).
    void clear();

    static bool validIndex(int slot, int month, int day);

    // Reads the full-width text of a field; empty for an index out of range.
    QString field(int slot, int month, int day, Field f) const;
    // Stores by the fixed-width rule; ignored for an index out of range.
    void setField(int slot, int month, int day, Field f, QStringView text);

    const DayRecord &record(int slot, int month, int day) const;
    bool inUse(int slot, int month, int day) const;

    QString field(const CellCursor &c, Field f) const { return field(c.slot, c.month, c.day, f); }
    void setField(const CellCursor &c, Field f, QStringView text)
    {
        setField(c.slot, c.month, c.day, f, text);
    }

private:
    std::array<std::array<std::array<DayRecord, kDays>, kMonths>, kSlots> cells_;
};

} // namespace zentak
