#pragma once
// The data file: every record in use as one line of seven quoted,
// comma-separated fields, code page 932, CR LF.

#include "attendancetable.h"
#include "recordreader.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zentak {

// The name of the code page in Qt's converters; the program's own tables
// (codepage.h) are generated from that converter.
inline constexpr char kCodePageName[] = "windows-31j";
inline const QString kDataFileName = QStringLiteral("Zentak.txt");

QString dataFilePath(const QString &programFolder);

// Why the records were not written, when the program itself refused: a
// file this run could not read is never replaced; a record has a character
// the code page has no code for; a record's line would not read back as the
// record; the file, read first, ended before its own size, or kept changing
// while it was read.
enum class WriteFault { None, FileNotRead, Unencodable, NotReadBack, CutShort, KeepsChanging };
// The write's fault when the file, read first, could not be read: none for
// the system's reason (the report's error tells it).
WriteFault writeFaultOf(ReadFault fault);

struct SerializeResult {
    bool ok = false;
    QByteArray bytes;
    WriteFault fault = WriteFault::None;
    std::optional<DayKey> faultDay; // the record at fault, when one is known
};

// Every record, by year slot, month, day and year (the order older
// versions wrote, with the older of two years on one date first). The line
// of every record changed since the file was last read or written is
// parsed back and compared with the record before the bytes are offered.
SerializeResult serializeTable(const AttendanceTable &table);

// Replaces the file atomically; on failure the previous file is left whole
// (`fault` says why when the records could not be written as they are,
// `error` the system's reason otherwise).
bool writeDataFile(const QString &path, const AttendanceTable &table, QString *error,
                   WriteFault *fault = nullptr);

} // namespace zentak
