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
    stored_ = keysChangesMove(settings_);
    for (auto &[key, value] : stored_)
        if (!settingsStore_.hasSetting(kStoreApp, kSectionSet, key))
            value.clear();
}

void RecordKeeper::readAhead(YearMonth month)
{
    readSettings();
    store_->readAhead(month.year, month.month, table_);
    readAhead_ = true;
}

void RecordKeeper::finishStart()
{
    if (started_)
        return;
    started_ = true;
    if (!readAhead_)
        readSettings();
    startFound_.records = store_->load(table_);
    startFound_.journal = history_.load(table_);
    startFound_.journalPath = history_.path();
}

StartReport RecordKeeper::takeStartReport()
{
    return std::exchange(startFound_, StartReport{});
}

bool RecordKeeper::saveMovedSettings()
{
    const QList<QPair<QString, QString>> now = keysChangesMove(settings_);
    QList<QPair<QString, QString>> moved;
    for (qsizetype i = 0; i < now.size(); ++i)
        if (now[i] != stored_[i])
            moved.append(now[i]);
    // The settings file is written only when one moved, in one go.
    if (moved.isEmpty())
        return true;
    if (!settingsStore_.writeSettings(kStoreApp, kSectionSet, moved))
        return false;
    stored_ = now;
    return true;
}

WriteReport RecordKeeper::write(RecordsWrite records)
{
    WriteReport written;
    written.path = store_->path();
    if (records == RecordsWrite::Always || unwritten_) {
        written = store_->write(table_);
        unwritten_ = !written.written;
    }
    written.settingsSaved = saveMovedSettings();
    return written;
}

WriteReport RecordKeeper::apply(const Change &change, HistoryStep step)
{
    Change applied = change;
    for (CellChange &cell : applied.cells) {
        table_.setRecord(cell.day, cell.after);
        cell.after = table_.record(cell.day);
    }
    settings_.leaveBalance = applied.balanceAfter;
    // Journaled first: a run ended before the data file has the change
    // leaves a journal that says so, and the next start passes over it.
    JournalError error;
    bool journaled = false;
    switch (step) {
    case HistoryStep::New:
        journaled = history_.record(applied, &error);
        break;
    case HistoryStep::TakenBack:
        journaled = history_.tookBack(applied, &error);
        break;
    case HistoryStep::DoneAgain:
        journaled = history_.didAgain(applied, &error);
        break;
    }
    WriteReport written = write(applied.cells.isEmpty() ? RecordsWrite::WhenUnwritten : RecordsWrite::Always);
    if (!journaled) {
        written.journaled = false;
        written.journalPath = history_.path();
        written.journalError = error;
    }
    return written;
}

void RecordKeeper::forgetUnreachable(UndoDirection direction)
{
    if (direction == UndoDirection::Back)
        history_.forgetOlder();
    else
        history_.forgetNewer();
}

WriteReport RecordKeeper::saveAtExit()
{
    // Every change was written through; only one the data file could not
    // take is left to write.
    if (!unwritten_)
        return {};
    return write(RecordsWrite::Always);
}

bool RecordKeeper::saveSettings(const Settings &settings)
{
    settings_ = settings;
    const bool saved = zentak::saveSettings(settingsStore_, settings_);
    if (saved)
        stored_ = keysChangesMove(settings_);
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

ErasureReport RecordKeeper::eraseYear(int year, const QDateTime &now)
{
    ErasureReport report;
    report.write.path = store_->path();
    // Changes made outside come in first, so that they are in the kept copy.
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
    Change change{now, ChangeKind::YearErased, year, settings_.leaveBalance, settings_.leaveBalance, {}};
    const auto [first, last] = std::pair(table_.monthRange(year, 1).first, table_.monthRange(year, 12).second);
    for (qsizetype i = first; i < last; ++i)
        change.cells.append({table_.keyAt(i), table_.record(table_.keyAt(i)), DayRecord::blank()});
    const std::optional<OutsideChanges> takenBefore = report.write.outside;
    const QString copiedBefore = report.write.outsideCopy;
    report.write = apply(change, HistoryStep::New);
    if (!report.write.outside) {
        report.write.outside = takenBefore;
        report.write.outsideCopy = copiedBefore;
    }
    return report;
}

} // namespace zentak
