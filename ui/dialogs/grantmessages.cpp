#include "grantmessages.h"

#include "daykind.h"
#include "numberformat.h"

namespace zentak {

namespace {

// Days as counted: "11", "3.5", "0".
QString days(double value)
{
    return QString::number(value);
}

// A balance as the figure shows it: "10.5", "18.0".
QString balance(double value)
{
    return formatNumber(value, u"0.0");
}

} // namespace

QString grantQuestion(const GrantOffer &offer)
{
    QString text = QStringLiteral("%1 の有給休暇の付与です。\n付与: %2日\n失効: %3日\n")
                       .arg(dateField(offer.grant.date), days(offer.grant.days), days(offer.expiring));
    if (!offer.balanceIsNumber)
        text += QStringLiteral("有給休暇残が数値ではないため、0日に付与します。\n");
    text += QStringLiteral("有給休暇残: %1日 → %2日\n\n有給休暇残を更新しますか？")
                .arg(balance(offer.before), offer.afterText.value_or(balance(offer.after)));
    return text;
}

QString grantTooLargeMessage(double value)
{
    return QStringLiteral("有給休暇残が %1 日になり、4桁に収まらないため、付与しませんでした。").arg(balance(value));
}

QString weekDaysName(int count)
{
    return QStringLiteral("週%1日").arg(count);
}

QString fiveDaysDescription(const FiveDays &five)
{
    QString text = QStringLiteral("取得 %1日 期限 %2").arg(days(five.taken), dateField(five.deadline));
    if (five.falling)
        text += u' ' + fiveDaysMarkWords(five);
    return text;
}

QString fiveDaysMarkWords(const FiveDays &five)
{
    return QStringLiteral("注意 年5日の有給休暇の取得が期限までに あと %1日 足りません")
        .arg(days(kDaysToTake - five.taken));
}

} // namespace zentak
