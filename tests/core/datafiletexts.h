#pragma once
// Data file lines for the data file's tests: code page 932 text and a line
// of quoted fields as the program writes it.

#include "attendancetable.h"
#include "datafile.h"
#include "filetexts.h"


namespace zentak::test {


inline QByteArray line(const QStringList &fields)
{
    QString s;
    for (int i = 0; i < fields.size(); ++i)
        s += (i ? QStringLiteral(",\"") : QStringLiteral("\"")) + fields[i] + QLatin1Char('"');
    return sjis(s + QStringLiteral("\r\n"));
}

inline const QByteArray kGood = line({"2006/01/05", "木", "09:00", "17:30", "07:30", "07.50", ""});

inline QByteArray written(const AttendanceTable &t)
{
    const SerializeResult r = serializeTable(t);
    return r.ok ? r.bytes : QByteArray("<failed>");
}

// Parse, serialize, parse again: the same table.
inline bool roundTrips(const AttendanceTable &t)
{
    const SerializeResult r = serializeTable(t);
    if (!r.ok)
        return false;
    AttendanceTable again;
    return parseRecords(r.bytes, again).skipped == 0 && again == t;
}

// One field of a day's record changed, the others kept.
inline void setField(AttendanceTable &t, DayKey day, Field f, const QString &text)
{
    DayRecord r = t.record(day);
    r.ref(f) = text;
    t.setRecord(day, r);
}

} // namespace zentak::test
