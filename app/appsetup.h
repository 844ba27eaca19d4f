#pragma once
// What the program sets up in the application before any window: the locale
// for Japan, the window font with Japanese Mincho faces to fall back on, and
// the style. Qt's own Japanese texts are not among them: the platform reads
// them before the first message box or dialog.

class QApplication;
class QFont;

namespace zentak {

// The window font: Japanese Mincho faces, 9 points.
QFont windowFont();

void setUpApplication(QApplication &app);

} // namespace zentak
