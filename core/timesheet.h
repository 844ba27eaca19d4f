#pragma once
// The month's timesheet (勤務表) for the office: every day of the month with
// its record and the law's overtime, the month's totals, and the sheet as
// a CSV for a spreadsheet program. The printable page is drawn by the
// windows from the same rows.

#include "attendancetable.h"
#include "monthreport.h"
#include "overtime.h"
#include "settings.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace zentak {

struct TimesheetDay {
    QDate date;
    QString holiday; // the national holiday's name; empty on other days
    bool recorded = false;
    // The rest is empty for a day without a record.
    QString kind; // 出勤, 有給, 半給, 休日, 代休, 取消
    // The four times as recorded.
    QString start;
    QString end;
    QString worked;
    QString attendance;
    DayLaw law;
    QString note; // as recorded, its line breaks kept
    double paidLeave = 0; // days of paid leave taken: 1, 0.5 or 0

    // Sundays, national holidays and Saturdays are set apart, as in the
    // calendar.
    bool redDay() const;
    bool saturday() const;
};

// The month's figures, each as its text.
struct TimesheetTotals {
    QString workedHours;    // 稼動時間, as the summary strip shows it
    QString days;           // 日数, the same
    QString overtime;       // 時間外, H:MM
    QString holidayWork;    // 休日労働, H:MM
    QString paidLeaveTaken; // 有給取得, days "1.5"
    QString leaveBalance;   // 有給残, as stored; empty when blank
};

struct Timesheet {
    int year = 0;
    int month = 0;
    QString name; // the user's, from the settings
    QList<TimesheetDay> days;
    TimesheetTotals totals;
};

// The sheet of the month from the records and the settings (the legal
// rest day, the leave balance, the user's name). No days for a month no
// calendar has.
Timesheet timesheetOf(const AttendanceTable &table, int year, int month, const Settings &settings);

// A day's figures of the law as the sheet shows them: H:MM, empty without a
// record.
QString lawText(const TimesheetDay &day, int minutes);

// The CSV's bytes: UTF-8 with a byte order mark, lines ending CR LF, the
// header and then one row for every day; a field with a comma, a double
// quote or a line break stands in double quotes, a double quote doubled.
QByteArray timesheetCsv(const Timesheet &sheet);

enum class TimesheetFormat { Csv, Pdf };
// "202612.csv", "202612.pdf".
QString timesheetFileName(int year, int month, TimesheetFormat format);

// A file of the timesheet written beside the program (replacing one of its
// name), or why not: the system's reason.
struct TimesheetWrite {
    bool written = false;
    TimesheetFormat format = TimesheetFormat::Csv;
    QString name;
    QString path;
    QString error;
};
TimesheetWrite writeTimesheetFile(const QString &folder, const Timesheet &sheet, TimesheetFormat format,
                                  const QByteArray &bytes);

} // namespace zentak
