#include "settingsrules.h"

#include "fixedtext.h"
#include "timerules.h"

namespace zentak {

namespace {

QString unlessBlank(const QString &text)
{
    return isBlank(text) ? QString() : text;
}

bool asciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

SettingsForm settingsForm(const Settings &s)
{
    SettingsForm f;
    f.option1 = s.T6Sw && !s.T4Sw;
    f.option2 = s.T4Sw;
    f.text1 = s.Sagyo;
    f.yukyuz = unlessBlank(s.Yukyu);
    f.initim = unlessBlank(s.IniTM);
    f.daytim = unlessBlank(s.DayTM);
    f.check1 = s.Sift != 0;
    f.check2 = s.Ktsw != 0;
    return f;
}

bool balanceShapeOk(const QString &y)
{
    // Only digits before the point: a sign or a blank there would let a
    // balance below zero or out of its form through.
    return y.size() >= 3 && asciiDigit(y[0]) && asciiDigit(y[1]) && y[2] == QLatin1Char('.')
           && (y.back() == QLatin1Char('0') || y.back() == QLatin1Char('5'));
}

std::optional<SettingsBox> firstBadSetting(const QString &initim, const QString &daytim,
                                           const QString &yukyuz)
{
    if (!timechk(initim, u"0"))
        return SettingsBox::Initim;
    if (!timechk(daytim, u"0"))
        return SettingsBox::Daytim;
    if (!balanceShapeOk(yukyuz))
        return SettingsBox::Yukyuz;
    return std::nullopt;
}

QString badSettingMessage(SettingsBox box)
{
    switch (box) {
    case SettingsBox::Initim: return QStringLiteral("出社時間はHH:MMで入力して下さい！");
    case SettingsBox::Daytim: return QStringLiteral("就業時間はHH:MMで入力して下さい！");
    case SettingsBox::Yukyuz: break;
    }
    return QStringLiteral("有給残は00.0で入力して下さい！");
}

Settings settingsFromForm(const SettingsForm &f)
{
    Settings s;
    s.T6Sw = f.option1;
    s.T4Sw = f.option2;
    s.Sagyo = f.text1;
    s.IniTM = fixedWidth(trimBlanks(f.initim), 5);
    s.DayTM = fixedWidth(trimBlanks(f.daytim), 5);
    s.Yukyu = fixedWidth(trimBlanks(f.yukyuz), 4);
    s.Sift = f.check1 ? 1 : 0;
    s.Ktsw = f.check2 ? 1 : 0;
    return s;
}

} // namespace zentak
