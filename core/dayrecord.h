#pragma once
// A day's record: seven fixed-width fields. Every read yields a field at its
// full width.

#include <QString>
#include <QStringView>

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

// The full width of a field from its stored form (trailing blanks left out).
QString fullWidthField(QStringView stored, Field f);

} // namespace zentak
