#pragma once
// The month's timesheet written beside the program: as a CSV for a
// spreadsheet program (the user told where it is), or as a printable PDF
// opened in the desktop's program for PDF files.

namespace zentak {

class AttendanceBook;
class Platform;

void writeTimesheetCsv(AttendanceBook &book, Platform &platform, int year, int month);
void writeAndOpenTimesheetPdf(AttendanceBook &book, Platform &platform, int year, int month);

} // namespace zentak
