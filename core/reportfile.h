#pragma once
// The month report on disk: code page 932, CR LF, replaced atomically.

#include "attendancetable.h"
#include "settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zentak {

// The fields of one report line ("f1","f2",...); nullopt when the line is
// not ten quoted fields, or a field holds a double quote.
std::optional<QStringList> splitReportLine(const QString &line);

// A report line that cannot be written as it is: one that would not read
// back as its ten fields (a double quote in a field), or one with a
// character code page 932 has no code for.
struct ReportFault {
    enum class Kind { None, QuoteInLine, Unencodable };
    Kind kind = Kind::None;
    QString line; // the line's date, as its first field gives it
};

// The lines as the file holds them. Each line must read back as its ten
// fields and every character must exist in code page 932: a report is never
// written altered.
std::optional<QByteArray> encodeReport(const QStringList &lines, ReportFault *fault);

struct ReportWrite {
    bool written = false;
    QString name;  // 202405.txt
    QString path;  // in the program's folder
    // Why it was not written: a line at fault, or else the system's reason.
    ReportFault fault;
    QString error;
};

// The report of the month written into the folder (replacing an earlier
// one); when it cannot be written, nothing half-written is left.
ReportWrite writeMonthReport(const QString &folder, const AttendanceTable &table, int year,
                             int month, const Settings &settings);

} // namespace zentak
