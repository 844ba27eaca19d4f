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
    if (!keeper_.hasStarted()) {
        keeper_.finishStart();
        if (keeper_.hasReadAhead())
            emit recordsChanged();
        emit historyChanged();
    }
    return keeper_.takeStartReport();
}

void AttendanceBook::requireStarted() const
{
    // A programming error, not a state a user can bring about: it must not
    // pass silently in a build without debug checks.
    if (!keeper_.hasStarted())
        qFatal("zentak: a verb of the attendance book before its start was finished");
}

WriteReport AttendanceBook::applied(WriteReport written)
{
    // Changes taken over from outside change many days at once.
    if (written.outside)
        emit recordsChanged();
    emit historyChanged();
    return written;
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

QList<QDate> AttendanceBook::daysNotRecorded(YearMonth month, QDate today) const
{
    return zentak::daysNotRecorded(keeper_.table(), month, today, settings().restDay);
}

ReminderStep AttendanceBook::reminderStep(const QDateTime &now, QDate lastReminded) const
{
    return zentak::reminderStep(keeper_.table(), settings(), now, lastReminded);
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
    requireStarted();
    return proposalForRecord(record(day), keeper_.settings());
}

DayProposal AttendanceBook::proposeClockOut(QDate day, QTime now)
{
    requireStarted();
    return clockOutProposal(record(day), keeper_.settings(), now);
}

WriteReport AttendanceBook::commit(ChangeKind kind, QDate day, const DayRecord &after, const QString &balance)
{
    requireStarted();
    const DayKey key = keyOf(day);
    const Change change{clock_.now(), kind, 0, keeper_.settings().leaveBalance, balance,
                        {{key, keeper_.table().record(key), after}}};
    return applied(keeper_.apply(change, HistoryStep::New));
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
    requireStarted();
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
    requireStarted();
    const ErasureReport report = keeper_.eraseYear(year, clock_.now());
    // Changes taken over from outside come in even when nothing is erased.
    if (report.erased() || report.write.outside)
        emit recordsChanged();
    if (report.erased())
        emit historyChanged();
    return report;
}

UndoReport AttendanceBook::step(UndoDirection direction)
{
    requireStarted();
    UndoReport report;
    report.direction = direction;
    const ChangeHistory &history = keeper_.history();
    const Change *next = direction == UndoDirection::Back ? history.toTakeBack() : history.toDoAgain();
    if (!next)
        return report;
    report.day = next->day();
    const QString balanceBefore = keeper_.settings().leaveBalance;
    const UndoStep step = planUndoStep(*next, direction, keeper_.table(), balanceBefore, clock_.now());
    report.outcome = step.outcome;
    report.balance = step.balance;
    if (step.outcome == UndoReport::Outcome::Stale) {
        // Only this side of the history goes.
        keeper_.forgetUnreachable(direction);
        emit historyChanged();
    }
    if (step.outcome != UndoReport::Outcome::Done)
        return report;
    report.write = applied(keeper_.apply(step.done, direction == UndoDirection::Back ? HistoryStep::TakenBack
                                                                                      : HistoryStep::DoneAgain));
    emit recordsChanged();
    if (keeper_.settings().leaveBalance != balanceBefore)
        emit settingsChanged();
    return report;
}

ReportWrite AttendanceBook::writeMonthReport(int year, int month)
{
    requireStarted();
    return zentak::writeMonthReport(keeper_.programFolder(), keeper_.table(), year, month, keeper_.settings());
}

Timesheet AttendanceBook::timesheet(int year, int month)
{
    requireStarted();
    return timesheetOf(keeper_.table(), year, month, keeper_.settings());
}

bool AttendanceBook::saveSettings(const Settings &settings)
{
    requireStarted();
    Settings saving = settings;
    saving.grantHandled = handledOnHiring(keeper_.settings().hired, settings.hired,
                                          keeper_.settings().grantHandled, clock_.today());
    const bool saved = keeper_.saveSettings(saving);
    emit settingsChanged();
    return saved;
}

QDate AttendanceBook::hireDate() const
{
    return countingHireDate(keeper_.settings().hired, clock_.today());
}

bool AttendanceBook::settleGrantHandled()
{
    requireStarted();
    const QDate hired = hireDate();
    const QDate stored = keeper_.settings().grantHandled;
    const QDate settled = handledGrantDate(hired, stored, clock_.today());
    if (!hired.isValid() || settled == stored)
        return true;
    keeper_.handleGrant(settled);
    return keeper_.saveMovedSettings();
}

std::optional<GrantOffer> AttendanceBook::dueGrant() const
{
    const Settings &s = keeper_.settings();
    const QDate today = clock_.today();
    const QDate hired = hireDate();
    const QList<Grant> due = dueGrants(hired, s.weekDays, handledGrantDate(hired, s.grantHandled, today), today);
    if (due.isEmpty())
        return std::nullopt;
    return grantOffer(due.first(), s.weekDays, s.leaveBalance);
}

std::variant<GrantTooLarge, WriteReport> AttendanceBook::takeDueGrant()
{
    requireStarted();
    const std::optional<GrantOffer> offer = dueGrant();
    if (!offer)
        qFatal("zentak: a grant taken when none was due");
    if (!offer->afterText)
        return GrantTooLarge{offer->after};
    keeper_.handleGrant(offer->grant.date);
    const Change change{clock_.now(), ChangeKind::LeaveGranted, 0, keeper_.settings().leaveBalance, *offer->afterText, {}};
    const WriteReport written = applied(keeper_.apply(change, HistoryStep::New));
    emit settingsChanged();
    return written;
}

WriteReport AttendanceBook::declineDueGrant()
{
    requireStarted();
    const std::optional<GrantOffer> offer = dueGrant();
    if (!offer)
        qFatal("zentak: a grant declined when none was due");
    keeper_.handleGrant(offer->grant.date);
    WriteReport report;
    report.settingsSaved = keeper_.saveMovedSettings();
    return report;
}

std::optional<FiveDays> AttendanceBook::fiveDays() const
{
    return fiveDaysOf(keeper_.table(), hireDate(), keeper_.settings().weekDays, clock_.today());
}

} // namespace zentak
