#pragma once
// The report of one month written beside the program and opened in the
// desktop's text editor: the main window's "出力" and the maintenance
// dialog's month buttons.

namespace zentak {

struct AppState;
class Platform;

void runMonthOutput(const AppState &state, Platform &platform, int year, int month);

} // namespace zentak
