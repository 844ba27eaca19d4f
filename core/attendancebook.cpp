#include "attendancebook.h"

#include "datafile.h"
#include "platform.h"
#include "reportfile.h"
#include "windowpos.h"

namespace zentak {

AttendanceBook::AttendanceBook(Platform &platform, QObject *parent)
    : QObject(parent), platform_(platform),
      store_(std::make_unique<RecordStore>(zentak::dataFilePath(platform.programFolder())))
{
}

AttendanceBook::~AttendanceBook() = default;

QString AttendanceBook::dataFilePath() const
{
    return store_->path();
}

LoadReport AttendanceBook::load()
{
    settings_ = loadSettings(platform_);
    return store_->load(table_);
}

DayRecord AttendanceBook::record(QDate day) const
{
    return table_.record(cellOf(day));
}

std::optional<DayKind> AttendanceBook::kindOf(QDate day) const
{
    const TableCell cell = cellOf(day);
    if (!table_.inUse(cell))
        return std::nullopt;
    return kindOfNote(table_.stored(cell, Field::Note));
}

MonthTotals AttendanceBook::monthTotals(int year, int month) const
{
    return zentak::monthTotals(table_, year, month);
}

DayProposal AttendanceBook::toldOnce(DayProposal proposal)
{
    // A default note that had to be cleaned is told the first time only.
    if (!proposal.refusedFromDefault.isEmpty()) {
        if (defaultNoteTold_)
            proposal.refusedFromDefault.clear();
        defaultNoteTold_ = true;
    }
    return proposal;
}

DayProposal AttendanceBook::proposeDay(QDate day)
{
    return toldOnce(proposalForRecord(record(day), settings_));
}

DayProposal AttendanceBook::proposeClockOut(QDate day, QTime now)
{
    return toldOnce(clockOutProposal(record(day), settings_, now));
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
    table_.setRecord(cellOf(day), r);
    const WriteReport written = writeThrough();
    // A stored day shows as worked, whatever its note, until its month is
    // drawn again.
    emit dayChanged(day, DayKind::Worked);
    return written;
}

std::variant<Refusal, WriteReport> AttendanceBook::markDay(QDate day, LeaveKind kind,
                                                           QStringView noteShown)
{
    if (const std::optional<QString> refusal = paidLeaveRefusal(settings_.leaveBalance, kind))
        return Refusal{*refusal};
    const QString balance = balanceAfter(settings_.leaveBalance, kind, noteShown);
    const bool balanceMoved = balance != settings_.leaveBalance;
    settings_.leaveBalance = balance;
    table_.setRecord(cellOf(day), markedDay(day, kind));
    const WriteReport written = writeThrough();
    emit dayChanged(day, dayKindOf(kind));
    if (balanceMoved)
        emit settingsChanged();
    return written;
}

ErasureReport AttendanceBook::eraseYear(int year)
{
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
    zentak::eraseYear(table_, year);
    const WriteReport written = writeRecords();
    report.write.written = written.written;
    report.write.error = written.error;
    report.write.settingsNotSaved = written.settingsNotSaved;
    if (!written.written) {
        table_ = before;
        report.refusal = ErasureReport::Refusal::NotWritten;
        return report;
    }
    changed_ = true;
    emit recordsChanged();
    return report;
}

ReportWrite AttendanceBook::writeMonthReport(int year, int month) const
{
    return zentak::writeMonthReport(platform_.programFolder(), table_, year, month, settings_);
}

bool AttendanceBook::saveSettings(const Settings &settings)
{
    settings_ = settings;
    emit settingsChanged();
    return zentak::saveSettings(platform_, settings_);
}

QString AttendanceBook::savedWindowPosition() const
{
    return platform_.readSetting(kStoreApp, kSectionForm, kKeyPos, kDefaultPos);
}

WriteReport AttendanceBook::saveWindowPosition(const QString &ppos)
{
    WriteReport report;
    if (!platform_.writeSetting(kStoreApp, kSectionForm, kKeyPos, ppos))
        report.settingsNotSaved = firstSettingsFailure();
    return report;
}

WriteReport AttendanceBook::saveAtExit()
{
    if (!changed_)
        return {};
    WriteReport written = writeRecords();
    unwritten_ = !written.written;
    written.failureToTell = !written.written;
    return written;
}

bool AttendanceBook::firstSettingsFailure()
{
    const bool first = !settingsFailureTold_;
    settingsFailureTold_ = true;
    return first;
}

WriteReport AttendanceBook::writeRecords()
{
    WriteReport written = store_->write(table_);
    if (!saveLeaveBalance(platform_, settings_))
        written.settingsNotSaved = firstSettingsFailure();
    if (written.outside)
        emit recordsChanged();
    return written;
}

WriteReport AttendanceBook::writeThrough()
{
    changed_ = true;
    WriteReport written = writeRecords();
    unwritten_ = !written.written;
    // A failure is told when it first happens and again at the exit, not
    // at every change.
    written.failureToTell = !written.written && !failureTold_;
    failureTold_ = failureTold_ || !written.written;
    return written;
}

} // namespace zentak
