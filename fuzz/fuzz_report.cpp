// The month report: for any records a day can hold, every line reads back
// as its ten fields, the stored fields keep their width, the figures are
// numbers, no field holds a tab or a line break, and the month totals agree
// with the sums of a small model.

#include "attendancetable.h"
#include "check.h"
#include "monthreport.h"
#include "reportfile.h"
#include "storabletext.h"

#include <QString>
#include <QStringList>

using namespace zentak;

namespace {

// The attendance value as the totals read it, by a parser of this target's
// own: blanks and tabs (the file's padding) skipped, a sign, digits, a point
// and digits; 0 without digits. A field holds five characters at most, so
// the digits make an exact double.
float valueOf(QStringView t)
{
    qsizetype i = 0;
    while (i < t.size() && (t[i] == u' ' || t[i] == u'\t'))
        ++i;
    const bool negative = i < t.size() && t[i] == u'-';
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    long long digits = 0;
    int count = 0;
    int decimals = -1;
    for (; i < t.size(); ++i) {
        if (t[i] == u'.' && decimals < 0) {
            decimals = 0;
        } else if (t[i] >= u'0' && t[i] <= u'9') {
            digits = digits * 10 + (t[i].unicode() - u'0');
            ++count;
            decimals += decimals >= 0;
        } else {
            break;
        }
    }
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double v = count ? double(digits) / kPowers[std::max(decimals, 0)] : 0;
    return float(negative ? -v : v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    AttendanceTable table;
    Settings settings;
    settings.tenDayTally = data[0] & 1;
    // The rest: records of May 2024 as "day|week|start|end|worked|kintai|note"
    // lines; the first line may set the regular hours.
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
            .split(QLatin1Char('\n'));
    std::vector<int> days;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.size() == 1) {
            settings.regularHours = f[0].left(5);
            continue;
        }
        const int day = f[0].toInt();
        if (day < 1 || day > 31)
            continue;
        bool storable = true;
        for (const QString &x : f)
            storable = storable && isStorable(x);
        if (!storable)
            continue;
        DayRecord r;
        r.date = DayKey{2024, 5, day}.dateText();
        for (int i = 1; i < kFieldCount; ++i)
            r.ref(Field(i)) = f.value(i).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        table.setRecord(DayKey{2024, 5, day}, r);
        days.push_back(day);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());

    const QStringList report = monthReportLines(table, 2024, 5, settings);
    const MonthTotals totals = monthTotals(table, 2024, 5);
    FUZZ_CHECK(report.size() == qsizetype(days.size()) + 1);
    float hours = 0;
    float dayCount = 0;
    for (int day : days) {
        const float v = valueOf(table.record({2024, 5, day}).get(Field::Attendance));
        hours += v;
        dayCount += v != 0 ? 1.0f : 0.0f;
        const QString note = table.record({2024, 5, day}).get(Field::Note);
        qsizetype first = 0;
        while (first < note.size() && note[first] == u' ')
            ++first;
        if (QStringView(note).mid(first).startsWith(u"有給休暇（半日）"))
            dayCount += 0.5f;
    }
    FUZZ_CHECK(totals.hours == hours);
    FUZZ_CHECK(totals.days == dayCount);
    for (qsizetype i = 0; i < report.size(); ++i) {
        const std::optional<QStringList> fields = splitReportLine(report[i]);
        FUZZ_CHECK(fields.has_value());
        for (const QString &field : *fields)
            for (const char c : {'\t', '\r', '\n'})
                FUZZ_CHECK(!field.contains(QLatin1Char(c)));
        if (i == 0)
            continue;
        FUZZ_CHECK(fields->at(0).size() == 10);
        FUZZ_CHECK(fields->at(1).size() == 1);
        for (int c : {2, 3, 4, 5})
            FUZZ_CHECK(fields->at(c).size() == 5);
        for (int c : {6, 7, 8}) {
            bool ok = false;
            fields->at(c).toDouble(&ok);
            FUZZ_CHECK(ok);
        }
        const QString note = fields->at(9);
        FUZZ_CHECK(!note.contains(QLatin1Char('\n')) && !note.contains(QLatin1Char('\r'))
                   && !note.contains(QLatin1Char('\t')) && !note.endsWith(QLatin1Char(' ')));
    }
    ReportFault fault;
    FUZZ_CHECK(encodeReport(report, &fault).has_value());

    table.clear();
    return 0;
}
