#pragma once
// The date a record is kept under, and the order the data file lists them
// in.

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <compare>
#include <optional>

namespace zentak {

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
// The day such a text names; invalid when it is not one a calendar has.
QDate calendarDateOf(QStringView text);

// The order of the data file: the year's slot ((year mod 3) + 1), the
// month, the day, and the older year first.
int yearSlot(int year);
bool comesFirstInFile(const DayKey &a, const DayKey &b);

} // namespace zentak
