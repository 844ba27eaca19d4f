// The month report: for any records a day can hold, every line reads back
// as its ten fields, the stored fields keep their width, the figures are
// numbers, and the totals of both modes agree.

#include "attendancetable.h"
#include "check.h"
#include "monthreport.h"
#include "reportfile.h"
#include "storabletext.h"

#include <QString>
#include <QStringList>

using namespace zentak;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static AttendanceTable table;
    Settings settings;
    settings.Ktsw = data[0] & 1;
    // The rest: records of May 2024 as "day|week|start|end|worked|kintai|note"
    // lines; the first line may set the regular hours.
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
            .split(QLatin1Char('\n'));
    const int slot = yearSlot(2024);
    std::vector<int> days;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.size() == 1) {
            settings.DayTM = f[0].left(5);
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
        table.setField(slot, 5, day, Field::Date, QStringLiteral("2024/05/%1").arg(day, 2, 10, QLatin1Char('0')));
        for (int i = 1; i < kFieldCount; ++i)
            table.setField(slot, 5, day, Field(i), f.value(i).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        days.push_back(day);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());

    const MonthResult out = Monthout(table, 2024, 5, u"1", settings);
    const MonthResult totals = Monthout(table, 2024, 5, u"0", settings);
    FUZZ_CHECK(out.lines.size() == qsizetype(days.size()) + 1);
    FUZZ_CHECK(out.MonthDays == totals.MonthDays);
    if (!settings.Ktsw)
        FUZZ_CHECK(out.MonthHours == totals.MonthHours);
    for (qsizetype i = 0; i < out.lines.size(); ++i) {
        const std::optional<QStringList> fields = splitReportLine(out.lines[i]);
        FUZZ_CHECK(fields.has_value());
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
    QString error;
    FUZZ_CHECK(encodeReport(out.lines, &error).has_value());

    for (int day : days)
        for (int i = 0; i < kFieldCount; ++i)
            table.setField(slot, 5, day, Field(i), QString());
    return 0;
}
