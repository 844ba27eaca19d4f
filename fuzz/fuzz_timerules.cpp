// The time-text rules with the worked-time computation: whatever start and
// end pass the checks give a worked time "HH:MM" below 24 hours and an
// attendance value of whole quarter hours that passes its own check; for
// plain "HH:MM" texts both are those of a small model of the rules.

#include "check.h"
#include "timerules.h"
#include "workedtime.h"

#include <QString>
#include <QStringList>

using namespace zentak;

namespace {

bool isFiveCharTime(const QString &t)
{
    if (t.size() != 5 || t[2] != QLatin1Char(':'))
        return false;
    for (int i : {0, 1, 3, 4})
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            return false;
    return t.left(2).toInt() < 24 && t.mid(3, 2).toInt() < 60;
}

// The value of the digits a text begins with (0 for none).
int digitsValue(QStringView t)
{
    int v = 0;
    for (qsizetype i = 0; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
        v = v * 10 + (t[i].unicode() - u'0');
    return v;
}

// The worked time and the attendance value by the rules as they are told,
// from minutes after midnight.
QString modelWorked(int start, int end, const BreakRules &rules, bool asAttendance)
{
    int d = end - start + (start > end ? 1440 : 0);
    if ((start < 13 * 60 || rules.shiftWork != 0) && (end > 13 * 60 || end <= 7 * 60)) {
        const int lunch = rules.lunchBreak == LunchBreak::Minutes60 ? 60 : rules.lunchBreak == LunchBreak::Minutes45 ? 45 : 0;
        if (lunch > 0 && d >= lunch)
            d -= lunch;
    }
    const QStringView day(rules.regularHours);
    if (d >= digitsValue(day.left(2)) * 60 + digitsValue(day.right(2)) + 15)
        d -= 15;
    if (asAttendance)
        return QString::asprintf("%02d.%02d", d / 60, d % 60 / 15 * 25);
    return QString::asprintf("%02d:%02d", d / 60, d % 60);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: the break rules; the rest: start, end and the regular
    // hours, separated by '|'.
    const uint8_t flags = data[0];
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
            .split(QLatin1Char('|'));
    const QString start = parts.value(0);
    const QString end = parts.value(1);
    BreakRules rules;
    rules.lunchBreak = (flags & 2) ? LunchBreak::Minutes45 : (flags & 1) ? LunchBreak::Minutes60 : LunchBreak::None;
    rules.shiftWork = (flags & 4) ? 1 : 0;
    rules.regularHours = parts.size() > 2 ? parts[2] : QStringLiteral("08:00");
    if (!isTimeText(rules.regularHours))
        rules.regularHours = QStringLiteral("08:00");

    for (const QString &t : {start, end}) {
        const QString q = quarterHours(t);
        FUZZ_CHECK(q.size() <= t.left(2).size() + 3);
        // No length check: a longer text passes on its first three and last
        // two characters (a clock time with seconds).
        if (isTimeText(t))
            FUZZ_CHECK(t.size() >= 3 && t[2] == QLatin1Char(':'));
        if (isDecimalHoursText(t))
            FUZZ_CHECK(t.size() >= 3 && t[2] == QLatin1Char('.'));
    }

    const WorkedTime w = computeWorkedTime(start, end, rules);
    if (!isTimeText(start))
        FUZZ_CHECK(w.failure == WorkedTime::Failure::Start);
    else if (!isTimeText(end))
        FUZZ_CHECK(w.failure == WorkedTime::Failure::End);
    if (w.failure != WorkedTime::Failure::None)
        return 0;
    FUZZ_CHECK(isFiveCharTime(w.worked));
    FUZZ_CHECK(isTimeText(w.worked));
    FUZZ_CHECK(w.attendance == quarterHours(w.worked));
    FUZZ_CHECK(isDecimalHoursText(w.attendance));
    const QString quarter = w.attendance.mid(3);
    FUZZ_CHECK(quarter == u"00" || quarter == u"25" || quarter == u"50" || quarter == u"75");

    if (isFiveCharTime(start) && isFiveCharTime(end)) {
        const int from = start.left(2).toInt() * 60 + start.mid(3).toInt();
        const int to = end.left(2).toInt() * 60 + end.mid(3).toInt();
        FUZZ_CHECK(w.worked == modelWorked(from, to, rules, false));
        FUZZ_CHECK(w.attendance == modelWorked(from, to, rules, true));
    }
    return 0;
}
