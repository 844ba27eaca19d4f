#include "attendancebook.h"

#include "datafile.h"
#include "reportfile.h"
#include "windowpos.h"

#include <QDir>

#include <utility>

namespace zentak {

AttendanceBook::AttendanceBook(const BookPorts &ports, QObject *parent)
    : QObject(parent), settingsStore_(ports.settings), clock_(ports.clock), folder_(ports.programFolder),
      store_(std::make_unique<RecordStore>(zentak::dataFilePath(folder_))),
      history_(QDir(folder_).filePath(QStringLiteral("Zentak.journal")), store_->path())
{
}

AttendanceBook::~AttendanceBook() = default;

QString AttendanceBook::dataFilePath() const
{
    return store_->path();
}

void AttendanceBook::readSettings()
{
    settings_ = loadSettings(settingsStore_);
    // A store without the balance gets it with the first change, as it
    // always did.
    storedBalance_ = settingsStore_.hasSetting(kStoreApp, kSectionSet, kKeyLeaveBalance) ? settings_.leaveBalance : QString();
}

void AttendanceBook::readAhead(YearMonth month)
{
    readSettings();
    store_->readAhead(month.year, month.month, table_);
    readAhead_ = true;
}

StartReport AttendanceBook::load()
{
    finishStart();
    return std::exchange(startFound_, StartReport{});
}

void AttendanceBook::finishStart()
{
    if (started_)
        return;
    started_ = true;
    if (!readAhead_)
        readSettings();
    startFound_.records = store_->load(table_);
    startFound_.journal = history_.load(table_);
    startFound_.journalPath = history_.path();
    if (readAhead_)
        emit recordsChanged();
}

DayRecord AttendanceBook::record(QDate day) const
{
    return table_.record(keyOf(day));
}

std::optional<DayKind> AttendanceBook::kindOf(QDate day) const
{
    const DayKey key = keyOf(day);
    if (!table_.inUse(key))
        return std::nullopt;
    return kindOfNote(table_.stored(key, Field::Note));
}

MonthTotals AttendanceBook::monthTotals(int year, int month) const
{
    return zentak::monthTotals(table_, year, month);
}

std::vector<int> AttendanceBook::recordedYears() const
{
    std::vector<int> years;
    for (qsizetype i = 0; i < table_.size(); ++i) {
        const int year = table_.keyAt(i).year;
        if (years.empty() || years.back() != year)
            years.push_back(year);
    }
    return years;
}

DayProposal AttendanceBook::proposeDay(QDate day)
{
    finishStart();
    return proposalForRecord(record(day), settings_);
}

DayProposal AttendanceBook::proposeClockOut(QDate day, QTime now)
{
    finishStart();
    return clockOutProposal(record(day), settings_, now);
}

WriteReport AttendanceBook::commit(ChangeKind kind, QDate day, const DayRecord &after, const QString &balance)
{
    finishStart();
    Change change{clock_.now(), kind, 0, settings_.leaveBalance, balance, {}};
    const DayKey key = keyOf(day);
    const DayRecord before = table_.record(key);
    table_.setRecord(key, after);
    // Both at full width, as the table holds them.
    change.cells.append({key, before, table_.record(key)});
    settings_.leaveBalance = balance;
    // Journaled first: a run ended before the data file has the change
    // leaves a journal that says so, and the next start passes over it.
    QString error;
    const bool journaled = history_.record(change, &error);
    WriteReport written = writeThrough();
    noteJournalFailure(journaled, error, written);
    return written;
}

void AttendanceBook::noteJournalFailure(bool kept, const QString &error, WriteReport &report)
{
    if (kept)
        return;
    report.journaled = false;
    report.journalPath = history_.path();
    report.journalError = error;
}

WriteReport AttendanceBook::storeDay(QDate day, const DayBoxes &boxes)
{
    DayRecord r;
    r.date = dateField(day);
    r.week = weekdayKanji(day);
    r.start = boxes.start;
    r.end = boxes.end;
    r.worked = boxes.worked;
    r.attendance = boxes.attendance;
    r.note = boxes.note;
    const WriteReport written = commit(ChangeKind::Stored, day, r, settings_.leaveBalance);
    // A stored day shows as worked, whatever its note, until its month is
    // drawn again.
    emit dayChanged(day, DayKind::Worked);
    return written;
}

std::variant<Refusal, WriteReport> AttendanceBook::markDay(QDate day, LeaveKind kind,
                                                           QStringView noteShown)
{
    finishStart();
    if (const std::optional<LeaveShortfall> refusal = paidLeaveRefusal(settings_.leaveBalance, kind))
        return Refusal{*refusal};
    const QString balance = balanceAfter(settings_.leaveBalance, kind, noteShown);
    const bool balanceMoved = balance != settings_.leaveBalance;
    const WriteReport written = commit(changeKindOf(kind), day, markedDay(day, kind), balance);
    emit dayChanged(day, dayKindOf(kind));
    if (balanceMoved)
        emit settingsChanged();
    return written;
}

ErasureReport AttendanceBook::eraseYear(int year)
{
    finishStart();
    ErasureReport report;
    report.write.path = store_->path();
    // Changes made outside come in first, so that they are in the kept copy
    // and a failed write below can put the table back as it was.
    if (!store_->takeOverOutsideChanges(table_, report.write)) {
        report.refusal = ErasureReport::Refusal::FileUnreadable;
        return report;
    }
    if (report.write.outside)
        emit recordsChanged();
    const std::optional<QString> kept = store_->keepBeforeErase(&report.write.error);
    if (!kept) {
        report.refusal = ErasureReport::Refusal::CopyNotMade;
        return report;
    }
    report.keptCopy = *kept;
    const AttendanceTable before = table_;
    Change change{clock_.now(), ChangeKind::YearErased, year, settings_.leaveBalance, settings_.leaveBalance, {}};
    const qsizetype first = table_.monthRange(year, 1).first;
    const qsizetype last = table_.monthRange(year, 12).second;
    for (qsizetype i = first; i < last; ++i)
        change.cells.append({table_.keyAt(i), table_.record(table_.keyAt(i)), DayRecord::blank()});
    table_.eraseYear(year);
    const std::optional<OutsideChanges> takenBefore = report.write.outside;
    const QString copiedBefore = report.write.outsideCopy;
    report.write = writeRecords();
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
    QString error;
    noteJournalFailure(history_.record(change, &error), error, report.write);
    emit recordsChanged();
    return report;
}

UndoReport AttendanceBook::takeBackLastChange()
{
    return step(true);
}

UndoReport AttendanceBook::doAgain()
{
    return step(false);
}

UndoReport AttendanceBook::step(bool back)
{
    finishStart();
    UndoReport report;
    report.back = back;
    const Change *next = back ? history_.toTakeBack() : history_.toDoAgain();
    if (!next)
        return report;
    report.day = next->day();
    // The cells as they change now.
    Change done = back ? reversed(*next) : *next;
    done.kind = back ? ChangeKind::TakenBack : ChangeKind::DoneAgain;
    done.when = clock_.now();
    for (const CellChange &c : done.cells) {
        if (table_.record(c.day) != c.before) {
            // Changed since (from outside, or before an unreadable part of
            // the journal): taking it back would lose what is there now.
            // Only this side of the history goes.
            if (back)
                history_.forgetOlder();
            else
                history_.forgetNewer();
            report.outcome = UndoReport::Outcome::Stale;
            return report;
        }
    }
    // The balance moves by what the change moved it, whatever the settings
    // have made of it since; a balance its four characters cannot hold is
    // refused, as paid leave the balance does not allow is.
    const double moved = balanceValue(done.balanceAfter) - balanceValue(done.balanceBefore);
    const std::optional<QString> balance =
        moved != 0 ? balanceTextFor(balanceValue(settings_.leaveBalance) + moved) : settings_.leaveBalance;
    if (!balance) {
        report.outcome = UndoReport::Outcome::BalanceOutOfRange;
        report.balance = balanceValue(settings_.leaveBalance) + moved;
        return report;
    }
    for (const CellChange &c : done.cells)
        table_.setRecord(c.day, c.after);
    done.balanceBefore = settings_.leaveBalance;
    settings_.leaveBalance = *balance;
    done.balanceAfter = settings_.leaveBalance;
    report.outcome = UndoReport::Outcome::Done;
    QString error;
    const bool journaled = back ? history_.tookBack(done, &error) : history_.didAgain(done, &error);
    report.write = writeThrough();
    noteJournalFailure(journaled, error, report.write);
    emit recordsChanged();
    if (moved != 0)
        emit settingsChanged();
    return report;
}

ReportWrite AttendanceBook::writeMonthReport(int year, int month)
{
    finishStart();
    return zentak::writeMonthReport(folder_, table_, year, month, settings_);
}

bool AttendanceBook::saveSettings(const Settings &settings)
{
    finishStart();
    settings_ = settings;
    emit settingsChanged();
    const bool saved = zentak::saveSettings(settingsStore_, settings_);
    if (saved)
        storedBalance_ = settings_.leaveBalance;
    return saved;
}

QString AttendanceBook::savedWindowPosition() const
{
    return settingsStore_.readSetting(kStoreApp, kSectionForm, kKeyPos, kDefaultPos);
}

WriteReport AttendanceBook::saveWindowPosition(const QString &ppos)
{
    WriteReport report;
    if (!settingsStore_.writeSetting(kStoreApp, kSectionForm, kKeyPos, ppos))
        report.settingsSaved = false;
    return report;
}

WriteReport AttendanceBook::saveAtExit()
{
    // Only a verb changes anything, and each finished the start first.
    if (!changed_)
        return {};
    WriteReport written = writeRecords();
    unwritten_ = !written.written;
    return written;
}

WriteReport AttendanceBook::writeRecords()
{
    WriteReport written = store_->write(table_);
    // The settings file is written only when the balance moved.
    if (settings_.leaveBalance != storedBalance_) {
        if (saveLeaveBalance(settingsStore_, settings_))
            storedBalance_ = settings_.leaveBalance;
        else
            written.settingsSaved = false;
    }
    if (written.outside)
        emit recordsChanged();
    return written;
}

WriteReport AttendanceBook::writeThrough()
{
    changed_ = true;
    WriteReport written = writeRecords();
    unwritten_ = !written.written;
    return written;
}

} // namespace zentak
