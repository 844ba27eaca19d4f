#pragma once
// Reads the records of the data file into a table: from bytes in memory, or
// from the file itself a piece at a time, so that a file of many years is
// never held whole beside the table it fills.

#include "atomicfile.h"
#include "attendancetable.h"
#include "filepieces.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <array>

namespace zentak {

// The fields of a record in the order of the file's line.
inline constexpr std::array<Field, kFieldCount> kFileOrder = {
    Field::Date, Field::Week, Field::Start, Field::End, Field::Worked, Field::Attendance, Field::Note};

struct ParseResult {
    int records = 0; // read into the table
    // Could not be read: bad date, bad bytes, cut short, a field wider than
    // its width, text after a closing quote.
    int skipped = 0;
    int replaced = 0; // read, then replaced by a later record for the same date
    // The bytes of every record not in the table (skipped or replaced), as
    // the file holds them.
    QList<QByteArray> lost;
};

// Clears the table and reads the records of the bytes into it; of two
// records for one date the later replaces the earlier. The bytes are gone
// through `piece` bytes at a time, as a file is.
ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table, qsizetype piece = kReadPiece);

enum class ReadStatus { Missing, Read, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    ParseResult parsed;
    ReadFault fault = ReadFault::None; // why it could not be read
    QString error;                     // the system's reason, for ReadFault::System
    FileStamp stamp;                   // of the file as it was read
    // The file as it was read, kept only when some of its records are not
    // in the table (parsed.lost is not empty).
    QByteArray bytes;
};

// Clears the table and loads the file into it. A file another program
// writes in place while it is read (its state or the bytes read change) is
// read again from the start, as if just opened: never a mix of two files.
ReadResult readDataFile(const QString &path, AttendanceTable &table);
// The same through a file object of the caller's, not open.
ReadResult readDataFile(QFile &file, AttendanceTable &table);

} // namespace zentak
