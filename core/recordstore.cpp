#include "recordstore.h"

#include "atomicfile.h"
#include "datafile.h"

#include <QFile>
#include <QFileInfo>

namespace zentak {

RecordStore::RecordStore(const QString &dataFilePath) : path_(dataFilePath) {}

LoadReport RecordStore::load(AttendanceTable &table)
{
    LoadReport report;
    report.path = path_;
    const ReadResult read = readDataFile(path_, table);
    switch (read.status) {
    case ReadStatus::Missing:
        return report;
    case ReadStatus::Unreadable:
        // Writing now would replace records that were never read.
        unreadable_ = true;
        report.status = LoadReport::Status::Unreadable;
        report.error = read.error;
        report.fault = read.fault;
        return report;
    case ReadStatus::Read:
        break;
    }
    report.status = LoadReport::Status::Read;
    known_ = read.stamp;
    knownLost_ = QSet<QByteArray>(read.parsed.lost.begin(), read.parsed.lost.end());
    report.unreadable = read.parsed.skipped;
    report.replaced = read.parsed.replaced;
    if (report.unreadable == 0 && report.replaced == 0)
        return report;
    // The file holds records the table does not: unreadable ones, or ones a
    // later record for the same date replaced.
    originalToKeep_ = read.bytes;
    QString error;
    if (keepOriginal(&error))
        report.keptOriginal = keptOriginal_;
    return report;
}

void RecordStore::readAhead(int year, int month, AttendanceTable &table)
{
    // The file is gone through a piece at a time and only the month's lines
    // kept: its bytes held across the first frame would raise the peak
    // memory by the file's size.
    parseRecords(linesOfMonthInFile(path_, year, month), table);
}

QString RecordStore::keepAside(const QString &name, const QByteArray &bytes, QString *error)
{
    // As private as the data file.
    return keepNumberedCopy(name, bytes, permissionsOf(path_), error);
}

bool RecordStore::keepOriginal(QString *error)
{
    if (!originalToKeep_)
        return true;
    keptOriginal_ = keepAside(path_ + QStringLiteral(".orig"), *originalToKeep_, error);
    if (keptOriginal_.isEmpty())
        return false;
    originalToKeep_.reset();
    return true;
}

bool RecordStore::takeOverOutsideChanges(AttendanceTable &table, WriteReport &report)
{
    // A file gone since holds nothing that could be lost; one this run
    // could not read is never replaced, so nothing of it is taken over.
    if (unreadable_ || !QFileInfo::exists(path_))
        return true;
    QByteArray now;
    ReadFault fault = ReadFault::None;
    if (!readWholeFile(path_, &now, &report.error, &fault)) {
        report.fault = writeFaultOf(fault);
        return false;
    }
    const FileStamp seen = stampOf(now);
    if (known_ && seen == *known_)
        return true;
    AttendanceTable theirs;
    const ParseResult read = parseRecords(now, theirs);
    OutsideChanges changes = zentak::takeOverOutsideChanges(table, table.asWritten(), theirs);
    // Records that did not read, and were not in the file before: by their
    // bytes, not their count, so that one mended and another broken is
    // still a record that only the copy can keep.
    for (const QByteArray &record : read.lost)
        changes.unreadable += knownLost_.contains(record) ? 0 : 1;
    if (changes.needsCopy()) {
        report.outsideCopy = keepAside(path_ + QStringLiteral(".other"), now, &report.error);
        if (report.outsideCopy.isEmpty())
            return false;
    }
    for (const QByteArray &record : read.lost)
        knownLost_.insert(record);
    table.markWritten(theirs);
    known_ = seen;
    report.outside = changes;
    return true;
}

WriteReport RecordStore::write(AttendanceTable &table)
{
    WriteReport report;
    report.path = path_;
    report.written = false;
    if (unreadable_) {
        report.fault = WriteFault::FileNotRead;
        return report;
    }
    if (!keepOriginal(&report.error) || !takeOverOutsideChanges(table, report))
        return report;
    const SerializeResult serialized = serializeTable(table);
    if (!serialized.ok) {
        report.fault = serialized.fault;
        report.faultDay = serialized.faultDay;
        return report;
    }
    if (!replaceFile(path_, serialized.bytes, &report.error))
        return report;
    known_ = stampOf(serialized.bytes);
    table.markWritten();
    report.written = true;
    return report;
}

std::optional<QString> RecordStore::keepBeforeErase(WriteReport &report)
{
    if (!QFileInfo::exists(path_))
        return QString();
    const QString copy = path_ + QStringLiteral(".bak");
    QByteArray bytes;
    ReadFault fault = ReadFault::None;
    if (!readWholeFile(path_, &bytes, &report.error, &fault)
        || !replaceFile(copy, bytes, &report.error, permissionsOf(path_))) {
        report.fault = writeFaultOf(fault);
        return std::nullopt;
    }
    return copy;
}

} // namespace zentak
