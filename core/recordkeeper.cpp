#include "recordkeeper.h"

#include "datafile.h"
#include "windowpos.h"

#include <QDir>

#include <utility>

namespace zentak {

RecordKeeper::RecordKeeper(SettingsStore &settingsStore, const QString &programFolder)
    : settingsStore_(settingsStore), folder_(programFolder),
      store_(std::make_unique<RecordStore>(zentak::dataFilePath(folder_))),
      history_(QDir(folder_).filePath(QStringLiteral("Zentak.journal")), store_->path())
{
}

RecordKeeper::~RecordKeeper() = default;

void RecordKeeper::readSettings()
{
    settings_ = loadSettings(settingsStore_);
    // A store without the balance gets it with the first change, as it
    // always did.
    storedBalance_ = settingsStore_.hasSetting(kStoreApp, kSectionSet, kKeyLeaveBalance) ? settings_.leaveBalance : QString();
}

void RecordKeeper::readAhead(YearMonth month)
{
    readSettings();
    store_->readAhead(month.year, month.month, table_);
    readAhead_ = true;
}

bool RecordKeeper::finishStart()
{
    if (started_)
        return false;
    started_ = true;
    if (!readAhead_)
        readSettings();
    startFound_.records = store_->load(table_);
    startFound_.journal = history_.load(table_);
    startFound_.journalPath = history_.path();
    return true;
}

StartReport RecordKeeper::takeStartReport()
{
    return std::exchange(startFound_, StartReport{});
}

void RecordKeeper::noteJournalFailure(bool kept, const JournalError &error, WriteReport &report) const
{
    if (kept)
        return;
    report.journaled = false;
    report.journalPath = history_.path();
    report.journalError = error;
}

WriteReport RecordKeeper::write()
{
    WriteReport written = store_->write(table_);
    // The settings file is written only when the balance moved.
    if (settings_.leaveBalance != storedBalance_) {
        if (saveLeaveBalance(settingsStore_, settings_))
            storedBalance_ = settings_.leaveBalance;
        else
            written.settingsSaved = false;
    }
    return written;
}

WriteReport RecordKeeper::writeThrough()
{
    changed_ = true;
    WriteReport written = write();
    unwritten_ = !written.written;
    return written;
}

WriteReport RecordKeeper::saveAtExit()
{
    // Only a change makes anything to write, and each finished the start
    // first.
    if (!changed_)
        return {};
    WriteReport written = write();
    unwritten_ = !written.written;
    return written;
}

bool RecordKeeper::saveSettings()
{
    const bool saved = zentak::saveSettings(settingsStore_, settings_);
    if (saved)
        storedBalance_ = settings_.leaveBalance;
    return saved;
}

QString RecordKeeper::savedWindowPosition() const
{
    return settingsStore_.readSetting(kStoreApp, kSectionForm, kKeyPos, kDefaultPos);
}

WriteReport RecordKeeper::saveWindowPosition(const QString &ppos)
{
    WriteReport report;
    if (!settingsStore_.writeSetting(kStoreApp, kSectionForm, kKeyPos, ppos))
        report.settingsSaved = false;
    return report;
}

WriteReport RecordKeeper::commit(ChangeKind kind, DayKey day, const DayRecord &after, const QString &balance,
                                 const QDateTime &now)
{
    Change change{now, kind, 0, settings_.leaveBalance, balance, {}};
    const DayRecord before = table_.record(day);
    table_.setRecord(day, after);
    // Both at full width, as the table holds them.
    change.cells.append({day, before, table_.record(day)});
    settings_.leaveBalance = balance;
    // Journaled first: a run ended before the data file has the change
    // leaves a journal that says so, and the next start passes over it.
    JournalError error;
    const bool journaled = history_.record(change, &error);
    WriteReport written = writeThrough();
    noteJournalFailure(journaled, error, written);
    return written;
}

ErasureReport RecordKeeper::eraseYear(int year, const QDateTime &now)
{
    ErasureReport report;
    report.write.path = store_->path();
    // Changes made outside come in first, so that they are in the kept copy
    // and a failed write below can put the table back as it was.
    if (!store_->takeOverOutsideChanges(table_, report.write)) {
        report.refusal = ErasureReport::Refusal::FileUnreadable;
        return report;
    }
    const std::optional<QString> kept = store_->keepBeforeErase(report.write);
    if (!kept) {
        report.refusal = ErasureReport::Refusal::CopyNotMade;
        return report;
    }
    report.keptCopy = *kept;
    const AttendanceTable before = table_;
    Change change{now, ChangeKind::YearErased, year, settings_.leaveBalance, settings_.leaveBalance, {}};
    const qsizetype first = table_.monthRange(year, 1).first;
    const qsizetype last = table_.monthRange(year, 12).second;
    for (qsizetype i = first; i < last; ++i)
        change.cells.append({table_.keyAt(i), table_.record(table_.keyAt(i)), DayRecord::blank()});
    table_.eraseYear(year);
    const std::optional<OutsideChanges> takenBefore = report.write.outside;
    const QString copiedBefore = report.write.outsideCopy;
    report.write = write();
    if (!report.write.outside) {
        report.write.outside = takenBefore;
        report.write.outsideCopy = copiedBefore;
    }
    if (!report.write.written) {
        table_ = before;
        report.refusal = ErasureReport::Refusal::NotWritten;
        return report;
    }
    changed_ = true;
    JournalError error;
    noteJournalFailure(history_.record(change, &error), error, report.write);
    return report;
}

} // namespace zentak
