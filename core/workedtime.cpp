#include "workedtime.h"

#include "timerules.h"

namespace zentak {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kLongBreak = 60;
constexpr int kShortBreak = 45;
constexpr int kOvertimeDeduction = 15;

// Leading-number reading: blanks skipped, then decimal digits up to the first
// other character; 0 when there are none.
int leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    int value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value >= kMinutesPerDay * 100) // far beyond any time text; stop growing
            break;
    }
    return value;
}

// Minutes after midnight of a text that passed timechk mode "0": the hours
// are the two characters before the colon, the minutes the two after it.
// (A longer text such as "09:30:00" keeps its seconds out of the minutes.)
int minutesOf(QStringView time)
{
    return leadingNumber(time.left(2)) * 60 + leadingNumber(time.mid(3, 2));
}

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

WorkedTime computeWorkedTime(const QString &start, const QString &end, const BreakRules &rules)
{
    WorkedTime out;
    if (!timechk(start, u"0")) {
        out.failure = WorkedTime::Failure::Start;
        return out;
    }
    if (!timechk(end, u"0")) {
        out.failure = WorkedTime::Failure::End;
        return out;
    }

    // Time texts compare by character codes; for "HH:MM" that is the
    // chronological order. A start later than the end means work across
    // midnight.
    int d = minutesOf(end) - minutesOf(start);
    if (start.compare(end) > 0)
        d += kMinutesPerDay;
    // Only odd longer texts (minutes past 59 behind the colon of a text with
    // seconds) can leave the day; keep D a time of day as the output needs.
    d = ((d % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;

    const bool startsBeforeOne = start.compare(u"13:00") < 0;
    const bool endsAfterOne = end.compare(u"13:00") > 0;
    const bool endsEarlyMorning = end.compare(u"07:00") <= 0;
    const bool lunchDue = (startsBeforeOne || rules.sift != 0) && (endsAfterOne || endsEarlyMorning);
    if (lunchDue) {
        if (rules.t6Sw && d >= kLongBreak)
            d -= kLongBreak;
        if (rules.t4Sw && d >= kShortBreak)
            d -= kShortBreak;
    }

    if (!rules.dayTM.isEmpty()) {
        const QStringView day(rules.dayTM);
        const int h = leadingNumber(day.left(2));
        const int m = leadingNumber(day.size() < 2 ? day : day.right(2));
        if (d >= h * 60 + m + kOvertimeDeduction)
            d -= kOvertimeDeduction;
    }

    out.worked = twoDigits(d / 60) + QLatin1Char(':') + twoDigits(d % 60);
    out.kintai = qtrhour(out.worked);
    return out;
}

} // namespace zentak
