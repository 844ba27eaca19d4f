#pragma once
// The words of the month's timesheet: those on its printed page, and what
// the user is told when it is written.

#include "platform.h"
#include "timesheet.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace zentak {

// The texts of the page beside the days' own.
struct TimesheetPageTexts {
    QString title;     // 勤務表
    QString month;     // 2026年12月
    QString nameLabel; // 氏名
    QStringList columns;
    QStringList totals; // the labels of the month's figures, in the order of TimesheetTotals
    QStringList stamps; // the stamp boxes, left to right
    QString documentTitle;
    QString creator;
};
TimesheetPageTexts timesheetPageTexts(int year, int month);
// A day of the table: "12/01".
QString timesheetDayText(QDate day);

// A timesheet file not written (the system's reason), or the CSV written
// (where). The PDF written is opened instead (tellReportOpening).
void tellTimesheetWrite(Platform &platform, const TimesheetWrite &write);

} // namespace zentak
