#pragma once
// The report of one month written beside the program and opened in the
// desktop's text editor: the main window's "出力" and the maintenance
// dialog's month buttons.

namespace zentak {

class AttendanceBook;
class Platform;

void writeAndOpenMonthReport(AttendanceBook &book, Platform &platform, int year, int month);

} // namespace zentak
