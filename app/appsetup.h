#pragma once
// What the program sets up in the application before any window: the Qt
// translations and the locale for Japan, the window font with Japanese
// Mincho faces to fall back on, and the style. The start-up benchmark's bare window uses
// the same, so the two are compared like for like.

class QApplication;
class QTranslator;

namespace zentak {

// The translator must outlive the application's use of it.
void setUpApplication(QApplication &app, QTranslator &qtTranslator);

} // namespace zentak
