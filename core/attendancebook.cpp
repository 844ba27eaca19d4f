#include "attendancebook.h"

namespace zentak {

AttendanceBook::AttendanceBook(const BookPorts &ports, QObject *parent)
    : QObject(parent), keeper_(ports.settings, ports.programFolder), clock_(ports.clock)
{
}

AttendanceBook::~AttendanceBook() = default;

void AttendanceBook::readAhead(YearMonth month)
{
    keeper_.readAhead(month);
}

StartReport AttendanceBook::load()
{
    finishStart();
    return keeper_.takeStartReport();
}

void AttendanceBook::finishStart()
{
    if (keeper_.finishStart() && keeper_.hasReadAhead())
        emit recordsChanged();
}

WriteReport AttendanceBook::told(WriteReport written)
{
    // Changes taken over from outside change many days at once.
    if (written.outside)
        emit recordsChanged();
    return written;
}

WriteReport AttendanceBook::saveAtExit()
{
    return keeper_.saveAtExit();
}

DayRecord AttendanceBook::record(QDate day) const
{
    return keeper_.table().record(keyOf(day));
}

std::optional<DayKind> AttendanceBook::kindOf(QDate day) const
{
    const DayKey key = keyOf(day);
    if (!keeper_.table().inUse(key))
        return std::nullopt;
    return kindOfNote(keeper_.table().stored(key, Field::Note));
}

MonthTotals AttendanceBook::monthTotals(int year, int month) const
{
    return zentak::monthTotals(keeper_.table(), year, month);
}

std::vector<int> AttendanceBook::recordedYears() const
{
    return zentak::recordedYears(keeper_.table());
}

DayLaw AttendanceBook::monthLaw(int year, int month) const
{
    return lawOfMonth(keeper_.table(), year, month, settings().restDay);
}

QList<DayLaw> AttendanceBook::monthLawDays(int year, int month) const
{
    return lawOfMonthDays(keeper_.table(), year, month, settings().restDay);
}

int AttendanceBook::agreementYearHolding(QDate day) const
{
    return zentak::agreementYearHolding(day, settings().agreementStartMonth);
}

AgreementYear AttendanceBook::agreementYear(int firstYear, QDate today) const
{
    return zentak::agreementYear(keeper_.table(), firstYear, settings().agreementStartMonth, settings().restDay,
                                 today);
}

int AttendanceBook::projectedOvertime(QDate today) const
{
    return zentak::projectedOvertime(keeper_.table(), today.year(), today.month(), settings().restDay, today);
}

DayProposal AttendanceBook::proposeDay(QDate day)
{
    finishStart();
    return proposalForRecord(record(day), keeper_.settings());
}

DayProposal AttendanceBook::proposeClockOut(QDate day, QTime now)
{
    finishStart();
    return clockOutProposal(record(day), keeper_.settings(), now);
}

WriteReport AttendanceBook::commit(ChangeKind kind, QDate day, const DayRecord &after, const QString &balance)
{
    finishStart();
    return told(keeper_.commit(kind, keyOf(day), after, balance, clock_.now()));
}

WriteReport AttendanceBook::storeDay(QDate day, const DayBoxes &boxes)
{
    const WriteReport written = commit(ChangeKind::Stored, day, storedDay(day, boxes), keeper_.settings().leaveBalance);
    // A stored day shows as worked, whatever its note, until its month is
    // drawn again.
    emit dayChanged(day, DayKind::Worked);
    return written;
}

std::variant<Refusal, WriteReport> AttendanceBook::markDay(QDate day, LeaveKind kind,
                                                           QStringView noteShown)
{
    finishStart();
    if (const std::optional<LeaveShortfall> refusal = paidLeaveRefusal(keeper_.settings().leaveBalance, kind))
        return Refusal{*refusal};
    const QString balance = balanceAfter(keeper_.settings().leaveBalance, kind, noteShown);
    const bool balanceMoved = balance != keeper_.settings().leaveBalance;
    const WriteReport written = commit(changeKindOf(kind), day, markedDay(day, kind), balance);
    emit dayChanged(day, dayKindOf(kind));
    if (balanceMoved)
        emit settingsChanged();
    return written;
}

ErasureReport AttendanceBook::eraseYear(int year)
{
    finishStart();
    const ErasureReport report = keeper_.eraseYear(year, clock_.now());
    // Changes taken over from outside come in even when nothing is erased.
    if (report.erased() || report.write.outside)
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
    ChangeHistory &history = keeper_.history();
    const Change *next = back ? history.toTakeBack() : history.toDoAgain();
    if (!next)
        return report;
    report.day = next->day();
    Settings &settings = keeper_.settings();
    const UndoStep step = planUndoStep(*next, back, keeper_.table(), settings.leaveBalance, clock_.now());
    report.outcome = step.outcome;
    report.balance = step.balance;
    if (step.outcome == UndoReport::Outcome::Stale) {
        // Only this side of the history goes.
        if (back)
            history.forgetOlder();
        else
            history.forgetNewer();
    }
    if (step.outcome != UndoReport::Outcome::Done)
        return report;
    for (const CellChange &c : step.done.cells)
        keeper_.table().setRecord(c.day, c.after);
    const bool balanceMoved = step.done.balanceAfter != settings.leaveBalance;
    settings.leaveBalance = step.done.balanceAfter;
    JournalError error;
    const bool journaled = back ? history.tookBack(step.done, &error) : history.didAgain(step.done, &error);
    report.write = told(keeper_.writeThrough());
    keeper_.noteJournalFailure(journaled, error, report.write);
    emit recordsChanged();
    if (balanceMoved)
        emit settingsChanged();
    return report;
}

ReportWrite AttendanceBook::writeMonthReport(int year, int month)
{
    finishStart();
    return zentak::writeMonthReport(keeper_.programFolder(), keeper_.table(), year, month, keeper_.settings());
}

Timesheet AttendanceBook::timesheet(int year, int month)
{
    finishStart();
    return timesheetOf(keeper_.table(), year, month, keeper_.settings());
}

bool AttendanceBook::saveSettings(const Settings &settings)
{
    finishStart();
    keeper_.settings() = settings;
    emit settingsChanged();
    return keeper_.saveSettings();
}

} // namespace zentak
