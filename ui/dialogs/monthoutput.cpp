#include "monthoutput.h"

#include "attendancebook.h"
#include "busypointer.h"
#include "messages.h"

namespace zentak {

void writeAndOpenMonthReport(AttendanceBook &book, Platform &platform, int year, int month)
{
    ReportWrite written;
    {
        BusyPointer busy;
        written = book.writeMonthReport(year, month);
    }
    // The pointer is back before a message or the editor shows.
    if (!written.written) {
        tellReportWrite(platform, written);
        return;
    }
    const QString folder = platform.programFolder();
    tellReportOpening(platform, folder, written.name, openReport(platform, folder, written.name));
}

} // namespace zentak
