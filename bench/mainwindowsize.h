#pragma once
// The main window's size on the benchmark's screen (96 dots per inch, the
// IPA Mincho font): as wide as its menu bar's commands in one row, as tall
// as its controls below the bar. bench_startup gives every window's size
// and marks a yardstick of another size than the measured window, so a
// change to the main window shows.

#include <QSize>

namespace zentak::bench {

constexpr QSize kMainWindowSize(236, 239);

} // namespace zentak::bench
