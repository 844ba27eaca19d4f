#pragma once
// The in-memory store of every day record, of any number of years: seven
// fixed-width fields per day, found by the day's own date.
//
// A read always yields the field's full width. Only days with a record take
// room, and the blank fill is not stored (recordtexts.h). The date is not
// kept with the texts: it is the day's own, "YYYY/MM/DD".

#include "daykey.h"
#include "dayrecord.h"
#include "recordtexts.h"

#include <cstdint>
#include <map>
#include <vector>

namespace zentak {

class AttendanceTable {
public:
    void clear();
    // Room for this many records and texts of this many characters, for a
    // load that knows what is coming.
    void reserve(qsizetype records, qsizetype characters);

    // A field other than the date without its blank fill: the text as
    // stored, cut to the width, trailing blanks removed (empty for a blank
    // field or a day with no record). Valid until the table next changes.
    QStringView stored(DayKey day, Field f) const;
    DayRecord record(DayKey day) const;
    bool inUse(DayKey day) const { return find(day) >= 0; }

    // Stores all seven fields at once, in the order of Field, by the
    // fixed-width rule. A blank date takes the day's record away. A date
    // other than the day's own is refused (false, nothing changes): the
    // record would be written under another day.
    bool setRecord(DayKey day, const std::array<QStringView, kFieldCount> &fields);
    bool setRecord(DayKey day, const DayRecord &r);

    // A load: records added in any order (false for a blank date), then
    // put in date order, where of two records for one day the one added
    // later stays. The day of each record replaced so.
    bool addForLoad(DayKey day, const std::array<QStringView, kFieldCount> &fields);
    std::vector<DayKey> finishLoad();

    // Takes every record of the year away; the days that had one.
    std::vector<DayKey> eraseYear(int year);

    // The days with a record, in date order.
    qsizetype size() const { return qsizetype(days_.size()); }
    DayKey keyAt(qsizetype i) const { return unpack(days_[size_t(i)].key); }
    // The range of those indices [first, last) that holds the days of a
    // month.
    std::pair<qsizetype, qsizetype> monthRange(int year, int month) const;

    // What changed since the records were last read or written: each day
    // changed since, with its record as it was then (blank when it had
    // none). A load starts with nothing changed.
    const std::map<DayKey, DayRecord> &changedSinceWritten() const { return earlier_; }
    // The records are as the file holds them now.
    void markWritten() { earlier_.clear(); }
    // The file holds `written` now: every day where the two differ counts as
    // changed since, from its record there.
    void markWritten(const AttendanceTable &written);
    // The table as the file held it when it was last marked written.
    AttendanceTable asWritten() const;

    // True when the two tables hold the same record for the day.
    bool sameDay(const AttendanceTable &other, DayKey day) const;
    bool operator==(const AttendanceTable &other) const;

private:
    struct Day {
        std::uint32_t key = 0;
        RecordSpan span;
    };
    static std::uint32_t pack(DayKey day) { return std::uint32_t(day.year) << 9 | day.month << 5 | day.day; }
    static DayKey unpack(std::uint32_t key) { return {int(key >> 9), int(key >> 5 & 15), int(key & 31)}; }
    qsizetype find(DayKey day) const;
    // Where a day's record stands or would stand in days_, from `from` on.
    qsizetype lowerBound(std::uint32_t key, qsizetype from = 0) const;
    // Keeps the day's record as it is, before a change, when it is the
    // first change since the last mark.
    void noteChange(DayKey day);

    std::vector<Day> days_; // by key
    RecordTexts texts_;
    // Instead of a copy of the file as last read or written: the few days
    // changed since, which is what the file's records can be told from.
    std::map<DayKey, DayRecord> earlier_;
};

} // namespace zentak
