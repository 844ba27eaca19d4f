#include "settingsrules.h"

#include "daykind.h"
#include "fixedtext.h"
#include "leavegrant.h"
#include "numbers.h"
#include "timerules.h"

namespace zentak {

namespace {

QString unlessBlank(const QString &text)
{
    return isBlank(text) ? QString() : text;
}

} // namespace

SettingsForm settingsForm(const Settings &s)
{
    SettingsForm f;
    f.lunchBreak = s.lunchBreak;
    f.defaultNote = s.defaultNote;
    f.leaveBalance = unlessBlank(s.leaveBalance);
    f.usualStart = unlessBlank(s.usualStart);
    f.regularHours = unlessBlank(s.regularHours);
    f.shiftWork = s.shiftWork != 0;
    f.tenDayTally = s.tenDayTally != 0;
    f.restDay = s.restDay;
    f.agreementStartMonth = s.agreementStartMonth;
    f.remind = s.remind;
    f.name = s.name;
    f.hired = s.hired.isValid() ? dateField(s.hired) : QString();
    f.weekDays = s.weekDays;
    return f;
}

bool balanceShapeOk(const QString &y)
{
    // Only digits before the point: a sign or a blank there would let a
    // balance below zero or out of its form through.
    return y.size() >= 3 && isAsciiDigit(y[0]) && isAsciiDigit(y[1]) && y[2] == QLatin1Char('.')
           && (y.back() == QLatin1Char('0') || y.back() == QLatin1Char('5'));
}

std::optional<SettingsBox> firstBadSetting(const SettingsForm &form, QDate today)
{
    if (!isTimeText(form.usualStart))
        return SettingsBox::UsualStart;
    if (!isTimeText(form.regularHours))
        return SettingsBox::RegularHours;
    if (!balanceShapeOk(form.leaveBalance))
        return SettingsBox::LeaveBalance;
    const QString hired = trimBlanks(form.hired);
    if (!hired.isEmpty() && !countingHireDate(calendarDateOf(hired), today).isValid())
        return SettingsBox::HireDate;
    return std::nullopt;
}

Settings settingsFromForm(const SettingsForm &f)
{
    Settings s;
    s.lunchBreak = f.lunchBreak;
    s.defaultNote = f.defaultNote;
    s.usualStart = fixedWidth(trimBlanks(f.usualStart), 5);
    s.regularHours = fixedWidth(trimBlanks(f.regularHours), 5);
    s.leaveBalance = fixedWidth(trimBlanks(f.leaveBalance), 4);
    s.shiftWork = f.shiftWork ? 1 : 0;
    s.tenDayTally = f.tenDayTally ? 1 : 0;
    s.restDay = f.restDay;
    s.agreementStartMonth = f.agreementStartMonth;
    s.remind = f.remind;
    s.name = leftChars(f.name.trimmed(), kNameLength);
    s.hired = calendarDateOf(trimBlanks(f.hired));
    s.weekDays = f.weekDays;
    return s;
}

} // namespace zentak
