#pragma once
// The words of the yearly paid-leave grant: its question, its refusal, the
// settings dialog's hire date and days a week, and what the 有給 figure
// says of the five days a year.

#include "leavegrant.h"

#include <QString>

namespace zentak {

// The question when a grant comes: its date, the days granted, the days
// that expire and the balance before and after it (added to zero, and
// said so, when the balance is not a number).
QString grantQuestion(const GrantOffer &offer);
// The grant taken, but the balance it gives does not fit.
QString grantTooLargeMessage(double balance);

// The settings dialog: the hire date, and the days worked in a week ("週5日").
inline const QString kHireDateCaption = QStringLiteral("入社日");
inline const QString kWeekDaysCaption = QStringLiteral("勤務日数");
QString weekDaysName(int days);

// The 有給 figure's description for screen readers: "取得 1.5日 期限
// 2027/09/30", and the mark's words after them when five days are not
// taken with the deadline near.
QString fiveDaysDescription(const FiveDays &five);
// The mark beside the figure, and its words.
inline const QString kFiveDaysMark = QStringLiteral("!");
QString fiveDaysMarkWords(const FiveDays &five);

} // namespace zentak
