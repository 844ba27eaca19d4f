// The time-text rules with the worked-time computation: whatever start and
// end pass the checks give a worked time "HH:MM" below 24 hours and an
// attendance value of whole quarter hours that passes its own check.

#include "check.h"
#include "timerules.h"
#include "workedtime.h"

#include <QString>
#include <QStringList>

using namespace zentak;

namespace {

bool isTimeText(const QString &t)
{
    if (t.size() != 5 || t[2] != QLatin1Char(':'))
        return false;
    for (int i : {0, 1, 3, 4})
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            return false;
    return t.left(2).toInt() < 24 && t.mid(3, 2).toInt() < 60;
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
    rules.t6Sw = flags & 1;
    rules.t4Sw = flags & 2;
    rules.sift = (flags & 4) ? 1 : 0;
    rules.dayTM = parts.size() > 2 ? parts[2] : QStringLiteral("08:00");
    if (!timechk(rules.dayTM, u"0"))
        rules.dayTM = QStringLiteral("08:00");

    for (const QString &t : {start, end}) {
        const QString q = qtrhour(t);
        FUZZ_CHECK(q.size() <= t.left(2).size() + 3);
        // No length check: a longer text passes on its first three and last
        // two characters (a clock time with seconds).
        if (timechk(t, u"0"))
            FUZZ_CHECK(t.size() >= 3 && t[2] == QLatin1Char(':'));
        if (timechk(t, u"1"))
            FUZZ_CHECK(t.size() >= 3 && t[2] == QLatin1Char('.'));
    }

    const WorkedTime w = computeWorkedTime(start, end, rules);
    if (!timechk(start, u"0"))
        FUZZ_CHECK(w.failure == WorkedTime::Failure::Start);
    else if (!timechk(end, u"0"))
        FUZZ_CHECK(w.failure == WorkedTime::Failure::End);
    if (w.failure != WorkedTime::Failure::None)
        return 0;
    FUZZ_CHECK(isTimeText(w.worked));
    FUZZ_CHECK(timechk(w.worked, u"0"));
    FUZZ_CHECK(w.kintai == qtrhour(w.worked));
    FUZZ_CHECK(timechk(w.kintai, u"1"));
    const QString quarter = w.kintai.mid(3);
    FUZZ_CHECK(quarter == u"00" || quarter == u"25" || quarter == u"50" || quarter == u"75");
    return 0;
}
