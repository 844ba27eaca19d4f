#include "timesheet.h"

#include "atomicfile.h"
#include "daykind.h"
#include "fixedtext.h"
#include "nationalholidays.h"
#include "numberformat.h"
#include "timerules.h"

#include <QDir>
#include <QStringList>

namespace zentak {

namespace {

const QString kCsvHeader = QStringLiteral("日付,曜日,祝日,区分,出社,退社,稼動,勤怠,時間外,休日労働,作業内容");

// The kind's word in the sheet; paid leave by whole and half days.
QString kindWord(DayKind kind, bool halfDay)
{
    switch (kind) {
    case DayKind::Worked: return QStringLiteral("出勤");
    case DayKind::PaidLeave: return halfDay ? QStringLiteral("半給") : QStringLiteral("有給");
    case DayKind::Holiday: return QStringLiteral("休日");
    case DayKind::Compensatory: return QStringLiteral("代休");
    case DayKind::Cancelled: break;
    }
    return QStringLiteral("取消");
}

TimesheetDay dayOf(const AttendanceTable &table, QDate date, const DayLaw &law)
{
    TimesheetDay day;
    day.date = date;
    day.holiday = nationalHolidayName(date).value_or(QString());
    const DayKey key = keyOf(date);
    if (!table.inUse(key))
        return day;
    day.recorded = true;
    day.note = table.stored(key, Field::Note).toString();
    const DayKind kind = kindOfNote(day.note);
    const bool halfDay = kind == DayKind::PaidLeave && isHalfDayPaidNote(day.note);
    day.kind = kindWord(kind, halfDay);
    day.start = table.stored(key, Field::Start).toString();
    day.end = table.stored(key, Field::End).toString();
    day.worked = table.stored(key, Field::Worked).toString();
    day.attendance = table.stored(key, Field::Attendance).toString();
    day.law = law;
    day.paidLeave = paidLeaveDays(day.note);
    return day;
}

// A field as RFC 4180 has it.
QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (QChar c : text)
        if (special.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    return text;
}

} // namespace

bool TimesheetDay::redDay() const
{
    return date.dayOfWeek() == Qt::Sunday || !holiday.isEmpty();
}

bool TimesheetDay::saturday() const
{
    return date.dayOfWeek() == Qt::Saturday;
}

QString lawText(const TimesheetDay &day, int minutes)
{
    return day.recorded ? hoursMinutesText(minutes) : QString();
}

Timesheet timesheetOf(const AttendanceTable &table, int year, int month, const Settings &settings)
{
    Timesheet sheet;
    sheet.year = year;
    sheet.month = month;
    sheet.name = settings.name;
    const QList<DayLaw> laws = lawOfMonthDays(table, year, month, settings.restDay);
    DayLaw law;
    double paidLeave = 0;
    for (int i = 0; i < laws.size(); ++i) {
        sheet.days.append(dayOf(table, QDate(year, month, i + 1), laws[i]));
        law += laws[i];
        paidLeave += sheet.days.back().paidLeave;
    }
    const MonthTotals totals = monthTotals(table, year, month);
    sheet.totals = {formatNumber(totals.hours, u"##0.00"),
                    formatNumber(totals.days, u"0.0"),
                    hoursMinutesText(law.overtime),
                    hoursMinutesText(law.holidayWork),
                    formatNumber(paidLeave, u"0.0"),
                    trimBlanks(settings.leaveBalance)};
    return sheet;
}

QByteArray timesheetCsv(const Timesheet &sheet)
{
    QString text = kCsvHeader + QStringLiteral("\r\n");
    for (const TimesheetDay &day : sheet.days) {
        QStringList fields{dateField(day.date), weekdayKanji(day.date), day.holiday, day.kind,
                           day.start,           day.end,                day.worked,  day.attendance,
                           lawText(day, day.law.overtime), lawText(day, day.law.holidayWork), day.note};
        for (QString &field : fields)
            field = csvField(field);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString timesheetFileName(int year, int month, TimesheetFormat format)
{
    return monthFileName(year, month, format == TimesheetFormat::Csv ? u"csv" : u"pdf");
}

TimesheetWrite writeTimesheetFile(const QString &folder, const Timesheet &sheet, TimesheetFormat format,
                                  const QByteArray &bytes)
{
    TimesheetWrite write;
    write.format = format;
    write.name = timesheetFileName(sheet.year, sheet.month, format);
    write.path = QDir(folder).filePath(write.name);
    // Replaced atomically: on failure the earlier file stays as it was.
    write.written = replaceFile(write.path, bytes, &write.error);
    return write;
}

} // namespace zentak
