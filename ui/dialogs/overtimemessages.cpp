#include "overtimemessages.h"

#include "daykind.h"

namespace zentak {

namespace {

// "45時間", "6か月": the limit in the words of its unit.
QString limitWords(Limit limit, LimitUnit unit)
{
    return unit == LimitUnit::Hours ? QStringLiteral("%1時間").arg(limit.value / 60)
                                    : QStringLiteral("%1か月").arg(limit.value);
}

QString amountText(int value, LimitUnit unit)
{
    return unit == LimitUnit::Hours ? hoursMinutesText(value) : QStringLiteral("%1か月").arg(value);
}

} // namespace

QString overtimeFigureText(int minutes, FigureSpacing spacing)
{
    return kOvertimeColumn + (spacing == FigureSpacing::Spaced ? QStringLiteral(" ") : QString())
           + hoursMinutesText(minutes);
}

QString limitDescription(int value, Limit limit, LimitUnit unit)
{
    const QString words = limitWords(limit, unit);
    if (limitState(value, limit) != LimitState::Over)
        return QStringLiteral("上限%1まで あと %2").arg(words, amountText(limit.value - value, unit));
    if (limit.kind == LimitKind::Under)
        return QStringLiteral("上限%1に達しています").arg(words);
    return QStringLiteral("上限%1を超えています").arg(words);
}

QString limitText(Limit limit, LimitUnit unit)
{
    return QStringLiteral("上限 ")
           + (unit == LimitUnit::Hours ? hoursMinutesText(limit.value) : limitWords(limit, unit));
}

QString limitStateWord(LimitState state, LimitKind kind)
{
    switch (state) {
    case LimitState::Within: return QStringLiteral("上限内");
    case LimitState::Near: return QStringLiteral("上限間近");
    case LimitState::Over: break;
    }
    return kind == LimitKind::Under ? QStringLiteral("上限到達") : QStringLiteral("上限超過");
}

QString monthCountText(int months)
{
    return QString::number(months);
}

QString monthName(int month)
{
    return QStringLiteral("%1月").arg(month);
}

QString monthRowText(int month, const DayLaw &law)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(monthName(month), kOvertimeColumn, hoursMinutesText(law.overtime), kHolidayWorkColumn,
             hoursMinutesText(law.holidayWork));
}

QString agreementYearTitle(const AgreementYear &year)
{
    const YearMonth last = year.monthAt(11);
    return QStringLiteral("%1年度（%1年%2月〜%3年%4月）")
        .arg(year.first.year)
        .arg(year.first.month)
        .arg(last.year)
        .arg(last.month);
}

QString weekdayName(int weekday)
{
    return weekdayKanji(weekday) + QStringLiteral("曜日");
}

} // namespace zentak
