#include "monthreport.h"

#include "fixedtext.h"
#include "numberformat.h"
#include "timerules.h"
#include "windowpos.h"

namespace zentak {

namespace {

const QString kHalfDayLeave = QStringLiteral("有給休暇（半日）");

const QStringList kHeader = {
    QStringLiteral("   日付   "), QStringLiteral("曜"),     QStringLiteral(" 出社"),
    QStringLiteral(" 退社"),      QStringLiteral(" 稼動"),   QStringLiteral(" 勤怠"),
    QStringLiteral(" 集計 "),     QStringLiteral("残業"),     QStringLiteral(" 残計"),
    QStringLiteral("作業内容")};

QString quotedLine(const QStringList &fields)
{
    QString line;
    for (const QString &f : fields) {
        if (!line.isEmpty())
            line += QLatin1Char(',');
        line += QLatin1Char('"') + f + QLatin1Char('"');
    }
    return line;
}

// A field of a day line kept on its line: a hand-edited record may hold
// tabs and line breaks in any field, and each becomes one blank, so the
// field keeps its width.
QString oneLine(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

QString reportFileName(int year, int month)
{
    return QStringLiteral("%1%2.txt").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

MonthResult Monthout(const AttendanceTable &table, int year, int month, QStringView mode,
                     const Settings &settings)
{
    MonthResult r;
    const bool output = mode.compare(QLatin1String("1"), Qt::CaseInsensitive) == 0;
    const int slot = yearSlot(year);

    float dayHours = 0;
    float overtimeSum = 0;
    int block = 0;
    if (output) {
        r.lines.append(quotedLine(kHeader));
        dayHours = float(leadingNumber(qtrhour(settings.DayTM)));
    }

    if (!AttendanceTable::validIndex(slot, month, 1))
        return r;
    for (int day = 1; day <= 31; ++day) {
        if (!table.inUse(slot, month, day))
            continue;
        auto field = [&](Field f) { return table.field(slot, month, day, f); };
        // The totals need only the attendance value and the note, and
        // neither depends on the blank fill: they are read as stored.
        const QStringView kintaiText = table.stored(slot, month, day, Field::Kintai);
        const QStringView noteText = table.stored(slot, month, day, Field::Note);

        if (output && settings.Ktsw == 1) {
            const QString dd = field(Field::Date).mid(8, 2);
            if (dd >= QLatin1String("11") && block == 0) {
                r.MonthHours = 0;
                overtimeSum = 0;
                block = 1;
            }
            if (dd >= QLatin1String("21") && block == 1) {
                r.MonthHours = 0;
                overtimeSum = 0;
                block = 2;
            }
        }

        const float v = float(leadingNumber(kintaiText));
        r.MonthHours += v;
        if (v != 0)
            r.MonthDays += 1;
        if (leftChars(trimBlanks(noteText), 8).compare(kHalfDayLeave, Qt::CaseInsensitive) == 0)
            r.MonthDays += 0.5f;

        if (output) {
            float overtime = 0;
            if (field(Field::Worked) > settings.DayTM)
                overtime = v - dayHours;
            overtimeSum += overtime;
            QStringList line;
            for (Field f : {Field::Date, Field::Week, Field::Start, Field::End, Field::Worked,
                            Field::Kintai})
                line.append(oneLine(field(f)));
            line << formatNumber(r.MonthHours, u"000.00") << formatNumber(overtime, u"0.00")
                 << formatNumber(overtimeSum, u"00.00");
            // No blanks are left at the note's right end (U+0020 only; an
            // ideographic space stays).
            line.append(trimTrailingBlanks(oneLine(field(Field::Note))));
            r.lines.append(quotedLine(line));
        }
    }
    return r;
}

} // namespace zentak
