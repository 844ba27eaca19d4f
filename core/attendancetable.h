#pragma once
// The in-memory store of every day record, of any number of years: seven
// fixed-width fields per day, found by the day's own date.
//
// A read always yields the field's full width. Only days with a record take
// room, and the blank fill is not stored: the fields of every record, cut to
// their widths and without trailing blanks, stand one after another in one
// text, and each day keeps where its part begins and how long each field
// is. The date is not kept in that text: it is the day's own, "YYYY/MM/DD".

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

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

// The date a record is kept under, as its date field "YYYY/MM/DD" gives it:
// a year of 0-9999, a month of 1-12 and a day of 1-31. A day that no
// calendar has (2024/02/30, from a hand-edited file) is kept all the same,
// so that nothing of the file is lost.
struct DayKey {
    int year = 0;
    int month = 0;
    int day = 0;

    bool valid() const;
    // "YYYY/MM/DD".
    QString dateText() const;
    std::array<char, 10> dateChars() const;
    auto operator<=>(const DayKey &) const = default;
};

DayKey keyOf(QDate day);
// The key a date field names (blank fill after it allowed); none when the
// text is not "YYYY/MM/DD" with ASCII digits, a month of 1-12 and a day of
// 1-31.
std::optional<DayKey> keyOfDateText(QStringView text);

// The order of the data file: the year's slot ((year mod 3) + 1), the
// month, the day, and the older year first.
int yearSlot(int year);
bool comesFirstInFile(const DayKey &a, const DayKey &b);

class AttendanceTable {
public:
    AttendanceTable() = default;

    void clear();
    // Room for this many records and texts of this many characters, for a
    // load that knows what is coming.
    void reserve(qsizetype records, qsizetype characters);

    // Reads the full-width text of a field; blanks for a day with no record.
    QString field(DayKey day, Field f) const;
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
    // later stays. The records replaced so.
    bool addForLoad(DayKey day, const std::array<QStringView, kFieldCount> &fields);
    int finishLoad();

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
    // The fields after the date; the note's length is what is left.
    static constexpr int kLengths = kFieldCount - 2;
    struct Day {
        std::uint32_t key = 0;
        std::uint32_t offset = 0; // into text_
        std::uint16_t size = 0;   // of its part of text_
        std::array<std::uint8_t, kLengths> length{}; // Week .. Attendance, in UTF-16 units
    };
    static std::uint32_t pack(DayKey day) { return std::uint32_t(day.year) << 9 | day.month << 5 | day.day; }
    static DayKey unpack(std::uint32_t key) { return {int(key >> 9), int(key >> 5 & 15), int(key & 31)}; }
    qsizetype find(DayKey day) const;
    QStringView part(const Day &d, Field f) const;
    bool sameText(const Day &mine, const AttendanceTable &other, const Day &theirs) const;
    // The record's text appended to text_; false for a blank date.
    bool append(DayKey day, const std::array<QStringView, kFieldCount> &fields, Day &out);
    // Drops the texts no day refers to any more, once they are many.
    void compactIfWasteful();

    // Keeps the day's record as it is, before a change, when it is the
    // first change since the last mark.
    void noteChange(DayKey day);

    std::vector<Day> days_; // by key
    // Instead of a copy of the file as last read or written: the few days
    // changed since, which is what the file's records can be told from.
    std::map<DayKey, DayRecord> earlier_;
    QString text_;
    qsizetype unused_ = 0;  // characters of text_ that no day refers to
};

} // namespace zentak
