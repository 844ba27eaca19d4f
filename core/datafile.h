#pragma once
// The data file: every record in use as one line of seven quoted,
// comma-separated fields, code page 932, CR LF.

#include "attendancetable.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace zentak {

// The name of the code page in Qt's converters; the program's own tables
// (codepage.h) are generated from that converter.
inline constexpr char kCodePageName[] = "windows-31j";
inline const QString kDataFileName = QStringLiteral("Zentak.txt");

QString dataFilePath(const QString &programFolder);

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
// records for one date the later replaces the earlier.
ParseResult parseRecords(const QByteArray &bytes, AttendanceTable &table);

// The lines of the bytes that begin with a date of the month, as
// "YYYY/MM/DD" in quotes: the records the first look at one month needs, out
// of a file of many years. (A record that goes on over the next line is cut
// short here; only the whole file's read is to be trusted.)
QByteArray linesOfMonth(QByteArrayView bytes, int year, int month);

struct SerializeResult {
    bool ok = false;
    QByteArray bytes;
    QString error;
};

// Every record, by year slot, month, day and year (the order older
// versions wrote, with the older of two years on one date first). The line
// of every record changed since the file was last read or written is
// parsed back and compared with the record before the bytes are offered.
SerializeResult serializeTable(const AttendanceTable &table);

enum class ReadStatus { Missing, Read, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    ParseResult parsed;
    QString error;
    QByteArray bytes; // the file as it was read
};

// Clears the table and loads the file into it.
ReadResult readDataFile(const QString &path, AttendanceTable &table);

// Replaces the file atomically; on failure the previous file is left whole.
bool writeDataFile(const QString &path, const AttendanceTable &table, QString *error);

} // namespace zentak
