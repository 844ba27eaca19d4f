#include "monthreport.h"

#include "daykind.h"
#include "fixedtext.h"
#include "numberformat.h"
#include "numbers.h"
#include "timerules.h"

namespace zentak {

namespace {


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

// A field on one line: tabs and line breaks become blanks. A hand-edited
// record may hold them in any field.
QString onOneLine(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

// The attendance value and the note need no blank fill: read as stored.
float attendanceOf(const AttendanceTable &table, DayKey day)
{
    return float(leadingNumber(table.stored(day, Field::Attendance)));
}

bool isHalfDayLeave(const AttendanceTable &table, DayKey day)
{
    return isHalfDayPaidNote(table.stored(day, Field::Note));
}

} // namespace

QString monthFileName(int year, int month, QStringView extension)
{
    return QStringLiteral("%1%2.%3").arg(year).arg(month, 2, 10, QLatin1Char('0')).arg(extension);
}

QString reportFileName(int year, int month)
{
    return monthFileName(year, month, u"txt");
}

MonthTotals monthTotals(const AttendanceTable &table, int year, int month)
{
    MonthTotals totals;
    const auto [first, last] = table.monthRange(year, month);
    for (qsizetype i = first; i < last; ++i) {
        const DayKey day = table.keyAt(i);
        const float v = attendanceOf(table, day);
        totals.hours += v;
        if (v != 0)
            totals.days += 1;
        if (isHalfDayLeave(table, day))
            totals.days += 0.5f;
    }
    return totals;
}

QStringList monthReportLines(const AttendanceTable &table, int year, int month,
                             const Settings &settings)
{
    QStringList lines{quotedLine(kHeader)};
    const float dayHours = float(leadingNumber(quarterHours(settings.regularHours)));
    float hours = 0;
    float overtimeSum = 0;
    int block = 0; // the ten-day restarts done so far
    const auto [first, last] = table.monthRange(year, month);
    for (qsizetype i = first; i < last; ++i) {
        const DayKey day = table.keyAt(i);
        const DayRecord r = table.record(day);
        if (settings.tenDayTally == 1) {
            const QString dd = r.date.mid(8, 2);
            if (dd >= QLatin1String("11") && block == 0) {
                hours = overtimeSum = 0;
                block = 1;
            }
            if (dd >= QLatin1String("21") && block == 1) {
                hours = overtimeSum = 0;
                block = 2;
            }
        }
        const float v = attendanceOf(table, day);
        hours += v;
        // Overtime only on days worked longer than the regular hours, and
        // measured on the attendance value.
        const float overtime = r.worked > settings.regularHours ? v - dayHours : 0;
        overtimeSum += overtime;
        lines.append(quotedLine({onOneLine(r.date), onOneLine(r.week), onOneLine(r.start),
                                 onOneLine(r.end), onOneLine(r.worked), onOneLine(r.attendance),
                                 formatNumber(hours, u"000.00"), formatNumber(overtime, u"0.00"),
                                 formatNumber(overtimeSum, u"00.00"),
                                 trimTrailingBlanks(onOneLine(trimTrailingBlanks(r.note)))}));
    }
    return lines;
}

std::vector<int> recordedYears(const AttendanceTable &table)
{
    std::vector<int> years;
    for (qsizetype i = 0; i < table.size(); ++i) {
        const int year = table.keyAt(i).year;
        if (years.empty() || years.back() != year)
            years.push_back(year);
    }
    return years;
}

} // namespace zentak
