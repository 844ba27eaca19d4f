#pragma once
// The kinds of day. A day that was not worked is marked with a leave kind:
// its times become zero and the kind's marker text is written into its note,
// which is how every reader of the records tells the kinds apart. Paid leave
// draws on the leave balance ("00.0" days); cancelling a paid day gives it
// back.

#include "attendancetable.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace zentak {

// What a recorded day is, read from its note.
enum class DayKind { Worked, PaidLeave, Holiday, Compensatory, Cancelled };
DayKind kindOfNote(QStringView note);
// A note that marks half a day of paid leave.
bool isHalfDayPaidNote(QStringView note);
// The paid leave a note marks, in days: 1, 0.5 for half a day, or 0.
double paidLeaveDays(QStringView note);

// The marks the day dialog's buttons give.
enum class LeaveKind { WholeDayPaid, HalfDayPaid, Holiday, Compensatory, Cancelled };
QString markerText(LeaveKind kind);
DayKind dayKindOf(LeaveKind kind);

// "日" ... "土" for a weekday, Sunday 0 ... Saturday 6, or of a date.
QString weekdayKanji(int weekday);
QString weekdayKanji(QDate day);
// The record's date field, "yyyy/MM/dd".
QString dateField(QDate day);

// The record of a day marked with a leave kind: its date and weekday, zero
// times, the marker as its note.
DayRecord markedDay(QDate day, LeaveKind kind);

// The balance "00.0": one decimal, zero-filled to four characters (so 9.5
// is "09.5" and -1 is "-1.0"), a longer text cut to four characters.
QString formatBalance(double days);
// The balance text when its four characters hold the value whole; none
// when they cannot (100 days, -10 days).
std::optional<QString> balanceTextFor(double days);
// The number a balance text holds (its leading number).
double balanceValue(QStringView balance);

// What is left when the balance does not allow the paid leave asked for.
enum class LeaveShortfall { NoneLeft, HalfDayLeft };
// Paid leave that the balance does not allow: what is left, or none when the
// day can be taken. The balance is judged by its value, so one that is
// blank, negative or not in the "00.0" form (a hand-edited store) never goes
// below zero: below 0.5 nothing can be taken, below 1.0 only half a day.
std::optional<LeaveShortfall> paidLeaveRefusal(QStringView balance, LeaveKind kind);
// The balance after marking a day with the kind: paid leave takes one or a
// half day; cancelling gives back what the note being cancelled took
// (noteShown: the note as the dialog shows it when cancelling).
QString balanceAfter(QStringView balance, LeaveKind kind, QStringView noteShown = {});

} // namespace zentak
