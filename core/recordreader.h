#pragma once
// Reads the records of the data file into a table: from bytes in memory, or
// from the file itself a piece at a time, so that a file of many years is
// never held whole beside the table it fills.

#include "attendancetable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace zentak {

// The fields of a record in the order of the file's line.
inline constexpr std::array<Field, kFieldCount> kFileOrder = {
    Field::Date, Field::Week, Field::Start, Field::End, Field::Worked, Field::Attendance, Field::Note};

// How much of the file is read at a time.
inline constexpr qsizetype kReadPiece = 64 * 1024;

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

// A file's contents told from another's: its size and a hash of its bytes.
// Not a safeguard against anyone, so Qt's own hash will do (MD5 took a tenth
// of a write-through of thirty years).
struct FileStamp {
    qsizetype size = 0;
    size_t hash = 0;
    bool operator==(const FileStamp &) const = default;
};
FileStamp stampOf(QByteArrayView bytes);

// The lines of the bytes that begin with a date of the month, as
// "YYYY/MM/DD" in quotes: the records the first look at one month needs, out
// of a file of many years. (A record that goes on over the next line is cut
// short here; only the whole file's read is to be trusted.)
QByteArray linesOfMonth(QByteArrayView bytes, int year, int month);
// The same, read from the file a piece at a time; empty when it cannot be
// read.
QByteArray linesOfMonthInFile(const QString &path, int year, int month);

enum class ReadStatus { Missing, Read, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    ParseResult parsed;
    QString error;
    FileStamp stamp; // of the file as it was read
    // The file as it was read, kept only when some of its records are not
    // in the table (parsed.lost is not empty).
    QByteArray bytes;
};

// Clears the table and loads the file into it.
ReadResult readDataFile(const QString &path, AttendanceTable &table);

} // namespace zentak
