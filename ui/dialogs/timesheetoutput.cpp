#include "timesheetoutput.h"

#include "attendancebook.h"
#include "busypointer.h"
#include "messages.h"
#include "timesheetmessages.h"
#include "timesheetpdf.h"

namespace zentak {

namespace {

// The month's sheet in the format, written into the program's folder.
TimesheetWrite writeTimesheet(AttendanceBook &book, const QString &folder, int year, int month,
                              TimesheetFormat format)
{
    // The pointer is back before a message or the reader shows.
    BusyPointer busy;
    const Timesheet sheet = book.timesheet(year, month);
    const QByteArray bytes = format == TimesheetFormat::Csv ? timesheetCsv(sheet) : timesheetPdf(sheet);
    if (bytes.isEmpty()) {
        // The page could not be drawn: nothing is written, the reason is
        // the program's own.
        TimesheetWrite none;
        none.format = format;
        none.name = timesheetFileName(year, month, format);
        none.path = folder + u'/' + none.name;
        return none;
    }
    return writeTimesheetFile(folder, sheet, format, bytes);
}

} // namespace

void writeTimesheetCsv(AttendanceBook &book, Platform &platform, int year, int month)
{
    tellTimesheetWrite(platform, writeTimesheet(book, platform.programFolder(), year, month, TimesheetFormat::Csv));
}

void writeAndOpenTimesheetPdf(AttendanceBook &book, Platform &platform, int year, int month)
{
    const QString folder = platform.programFolder();
    const TimesheetWrite written = writeTimesheet(book, folder, year, month, TimesheetFormat::Pdf);
    if (!written.written) {
        tellTimesheetWrite(platform, written);
        return;
    }
    tellReportOpening(platform, folder, written.name, openReport(platform, folder, written.name));
}

} // namespace zentak
