#pragma once
// What the overtime figures say: the main window's figure, the window
// 時間外労働の状況 with its chart, and each figure's limit and state in
// words.

#include "overtime.h"

#include <QString>

namespace zentak {

// How a limit is counted: hours (the figures in minutes, shown H:MM) or
// months.
enum class LimitUnit { Hours, Months };

// The main window's figure: "時間外 12:30", or without the blank where
// room is short ("時間外123:05").
enum class FigureSpacing { Spaced, Tight };
QString overtimeFigureText(int minutes, FigureSpacing spacing = FigureSpacing::Spaced);
// The figure against its limit, for screen readers: "上限45時間まで あと
// 8:30", "上限45時間を超えています", "上限100時間に達しています" (a figure that
// must stay under it), "上限6か月まで あと 2か月".
QString limitDescription(int value, Limit limit, LimitUnit unit);
// The limit as the window shows it: "上限 45:00", "上限 6か月".
QString limitText(Limit limit, LimitUnit unit);
// The state in words: "上限内", "上限間近", "上限超過" ("上限到達" for a
// figure that must stay under the limit).
QString limitStateWord(LimitState state, LimitKind kind);
// A figure that counts months: "2".
QString monthCountText(int months);

// "4月".
QString monthName(int month);
// A month's row: "4月 時間外 12:00 休日労働 0:00".
QString monthRowText(int month, const DayLaw &law);
// "2026年度（2026年4月〜2027年3月）".
QString agreementYearTitle(const AgreementYear &year);

// The window, its columns and its figures.
inline const QString kOvertimeWindowTitle = QStringLiteral("時間外労働の状況");
inline const QString kOvertimeColumn = QStringLiteral("時間外");
inline const QString kHolidayWorkColumn = QStringLiteral("休日労働");
inline const QString kMonthColumn = QStringLiteral("月");
inline const QString kYearOvertimeCaption = QStringLiteral("年間時間外");
inline const QString kMonthsOverCaption = QStringLiteral("45時間超の月");
inline const QString kHighestAverageCaption = QStringLiteral("2〜6か月平均の最大");
inline const QString kHighestMonthCaption = QStringLiteral("単月の最大");
inline const QString kProjectionCaption = QStringLiteral("今月の見込み");
// The chart: its name for screen readers and the 45-hour line's label.
inline const QString kChartName = QStringLiteral("月ごとの時間外と休日労働のグラフ、45時間の線つき");
inline const QString kChartLineLabel = QStringLiteral("45時間");
// The year steps, for screen readers ("<" and ">" on the buttons).
inline const QString kPreviousYearName = QStringLiteral("前の年度");
inline const QString kNextYearName = QStringLiteral("次の年度");

// The settings: a weekday of the legal rest day ("日曜日"; Sunday 0 to
// Saturday 6) and the captions of the two choices.
QString weekdayName(int weekday);
inline const QString kRestDayCaption = QStringLiteral("法定休日");
inline const QString kAgreementStartCaption = QStringLiteral("協定年度の開始");

} // namespace zentak
