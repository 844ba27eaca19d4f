#pragma once
// What the day entry dialog checks, stores and computes, apart from its
// widgets.

#include "appstate.h"
#include "workedtime.h"

#include <QString>

#include <optional>

namespace zentak {

// "yy年mm月dd日(曜)" of the day being edited.
QString formatTday(const EditDay &day);

enum class DayBox { Start, End, Worked, Kintai };

// The first of the four boxes whose text has the wrong shape, in the order
// start, end, worked time, attendance value.
std::optional<DayBox> firstBadBox(const QString &start, const QString &end, const QString &worked,
                                  const QString &kintai);
QString badBoxMessage(DayBox box);

// The balance "00.0": one decimal, zero-filled to four characters (so 9.5
// is "09.5" and -1 is "-1.0"), a longer text cut to four characters.
QString formatBalance(double days);
// The number a balance text holds (its leading number).
double balanceValue(const QString &yukyu);

// Paid leave: the refusal message for the balance, or none when the day can
// be taken. index 0 is a whole day, 1 half a day. The balance is judged by
// its value, so one that is blank, negative or not in the "00.0" form (a
// hand-edited store) never goes below zero: below 0.5 nothing can be
// taken, below 1.0 only half a day.
std::optional<QString> paidLeaveRefusal(const QString &yukyu, int index);
QString balanceAfterLeave(const QString &yukyu, int index);
// The balance after cancelling a day whose note box holds noteText.
QString balanceAfterCancel(const QString &yukyu, const QString &noteText);

inline const QString kMarkWholeDay = QStringLiteral("有給休暇（１日）");
inline const QString kMarkHalfDay = QStringLiteral("有給休暇（半日）");
inline const QString kMarkHoliday = QStringLiteral("休日");
inline const QString kMarkCompensatory = QStringLiteral("代休");
inline const QString kMarkCancelled = QStringLiteral("取消");

// A day without working times: the date and weekday of the day being edited,
// zero times, the note unchanged.
void iniset(AttendanceTable &table, const CellCursor &cursor, const EditDay &day);

// The break rules of the calculation as the settings hold them now.
BreakRules breakRules(const Settings &settings);

// What the boxes show when the dialog opens on a day.
struct DayBoxes {
    QString start;
    QString end;
    QString worked;
    QString kintai;
    QString note;
    // Characters of the default note kept out of the note box; empty when
    // the note is the record's own or the default is storable as it is.
    QString refusedFromDefault;
};
DayBoxes boxesForRecord(const DayRecord &record, const Settings &settings);
// The start box when it is blank: IniTM, or "09:00" when that is blank too.
QString usualStart(const QString &start, const Settings &settings);

} // namespace zentak
