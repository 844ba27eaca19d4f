// The yardsticks of the start-up: bare Qt Widgets windows that show the
// Japanese text of the main window in the same Mincho font, and nothing else
// (no translation, style or locale of their own).
//
// Built with ZENTAK_BARE_MAIN_WINDOW, the window is a QMainWindow with one
// child label, the first yardstick: what any Qt Widgets program pays before
// it shows its text, doing no more than the main window must. The window
// has the main window's fixed size, the label a fixed place filling it,
// and the font is the application's, set as the program sets it: nothing is
// sized by a layout. Built with ZENTAK_BARE_LAYOUT_SIZED besides, the label
// is the central widget with the font set on it, so a layout sizes the
// window from the text before it is shown (the yardstick of earlier
// figures). Without either, the label is itself the top-level window.
// Built with ZENTAK_BARE_SET_UP, the application is first set up as the
// program set itself up before it put off Qt's translation (translation,
// style and locale).

#include "appsetup.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#ifdef ZENTAK_BARE_MAIN_WINDOW
#include <QMainWindow>
#endif
#if defined(ZENTAK_BARE_MAIN_WINDOW) && !defined(ZENTAK_BARE_LAYOUT_SIZED)
#include "mainwindowsize.h"

using zentak::bench::kMainWindowSize;
#endif
#ifdef ZENTAK_BARE_SET_UP
#include "realplatform.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZENTAKBARE"));
#ifdef ZENTAK_BARE_SET_UP
    zentak::RealPlatform platform;
    platform.useJapaneseQtTexts();
    zentak::setUpApplication(app);
#endif

    const QString text = QStringLiteral("ﾌｧｲﾙ(F)\n稼動時間  日数  有給  退社\n  160.00  20.0  12.5\n"
                                        "2026  <<  >>  12  <  >\n日 月 火 水 木 金 土\n"
                                        "       1  2  3  4  5\n 6  7  8  9 10 11 12\n"
                                        "13 14 15 16 17 18 19\n20 21 22 23 24 25 26\n"
                                        "27 28 29 30 31\n出力");
#if defined(ZENTAK_BARE_MAIN_WINDOW) && defined(ZENTAK_BARE_LAYOUT_SIZED)
    QMainWindow window;
    auto *label = new QLabel(text, &window);
    label->setFont(zentak::windowFont());
    window.setCentralWidget(label);
    window.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    window.show();
#elif defined(ZENTAK_BARE_MAIN_WINDOW)
    app.setFont(zentak::windowFont());
    QMainWindow window;
    auto *label = new QLabel(text, &window);
    label->setGeometry(QRect(QPoint(0, 0), kMainWindowSize));
    window.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    window.setFixedSize(kMainWindowSize);
    window.show();
#else
    QLabel label(text);
    label.setFont(zentak::windowFont());
    label.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    label.show();
#endif
    return app.exec();
}
