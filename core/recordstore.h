#pragma once
// The data file as the attendance book keeps it: read at the start, written
// whole after every change, and nothing the user had lost on the way. A
// load that could not read some records keeps the original file aside
// before anything replaces it; a file changed by another program since this
// run last read or wrote it is taken over day by day before it is replaced;
// a year is erased only once the file as it was has been kept.

#include "attendancetable.h"
#include "datafile.h"
#include "journalfile.h"
#include "outsidechanges.h"
#include "recordreader.h"

#include <QByteArray>
#include <QFileDevice>
#include <QSet>
#include <QString>

#include <optional>

namespace zentak {

struct LoadReport {
    enum class Status { Missing, Read, Unreadable };
    Status status = Status::Missing;
    QString path;
    ReadFault fault = ReadFault::None; // why the file could not be read
    QString error;                     // the system's reason, for ReadFault::System
    int unreadable = 0;  // records that could not be read
    int replaced = 0;    // records a later one for the same date replaced
    // Where the file as it was is kept when it holds records the table does
    // not; empty when that copy could not be made (the file is then never
    // replaced).
    QString keptOriginal;
};

struct WriteReport {
    bool written = true;
    QString path;
    // Why the records were not written: what the program refused (and the
    // record at fault, when one is known), or else the system's reason.
    WriteFault fault = WriteFault::None;
    std::optional<DayKey> faultDay;
    QString error;
    bool settingsSaved = true;  // false: the balance could not be stored
    // False when the change could not be added to the journal: where the
    // journal is, and why.
    bool journaled = true;
    QString journalPath;
    JournalError journalError;
    // Changes made outside that were taken over, and where the outside file
    // was kept when it had to be.
    std::optional<OutsideChanges> outside;
    QString outsideCopy;
};

struct ErasureReport {
    // Why nothing was erased: the file could not be read to take over what
    // changed outside, the copy of the file could not be made, or the
    // erasure could not be written (write.error says more).
    enum class Refusal { None, FileUnreadable, CopyNotMade, NotWritten };
    Refusal refusal = Refusal::None;
    QString keptCopy; // empty when there was no file to keep
    WriteReport write;
    bool erased() const { return refusal == Refusal::None; }
};

class RecordStore {
public:
    explicit RecordStore(const QString &dataFilePath);

    const QString &path() const { return path_; }

    // Clears the table and loads the file into it.
    LoadReport load(AttendanceTable &table);
    // Clears the table and reads into it the records of one month only: what
    // the first frame shows of a file of many years. load() then reads the
    // file whole; a file that cannot be read leaves the table empty, for
    // load() to report.
    void readAhead(int year, int month, AttendanceTable &table);

    // Writes the table over the file, first taking over into the table what
    // changed outside since the last read or write.
    WriteReport write(AttendanceTable &table);

    // Takes over what changed outside; false (with `report.error`) when the
    // file cannot be read or its outside version cannot be kept.
    bool takeOverOutsideChanges(AttendanceTable &table, WriteReport &report);

    // The file as it is now, copied to Zentak.txt.bak (replacing an earlier
    // copy): its path, empty when there is no file; nullopt when the copy
    // could not be made (`report` says why).
    std::optional<QString> keepBeforeErase(WriteReport &report);

private:
    bool keepOriginal(QString *error);
    QString keepAside(const QString &name, const QByteArray &bytes, QString *error);

    QString path_;
    bool unreadable_ = false;
    // The file as loaded, while it holds records the table lacks and has
    // not been kept aside yet.
    std::optional<QByteArray> originalToKeep_;
    QString keptOriginal_;
    // What the file held when this run last read or wrote it (none when
    // there was no file). The records themselves are the table's, as it was
    // then (AttendanceTable::asWritten).
    std::optional<FileStamp> known_;
    // The records of the file, as this run read them, that are in no table:
    // kept aside already, so they are not kept again when another writer
    // leaves them in.
    QSet<QByteArray> knownLost_;
};

} // namespace zentak
