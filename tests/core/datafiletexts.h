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
    if (parseRecords(r.bytes, again).skipped != 0)
        return false;
    for (int sl = 1; sl <= 3; ++sl)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 31; ++d)
                for (int f = 0; f < kFieldCount; ++f)
                    if (t.field(sl, m, d, Field(f)) != again.field(sl, m, d, Field(f)))
                        return false;
    return true;
}

} // namespace zentak::test
