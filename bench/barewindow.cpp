// The yardstick of the start-up: a bare Qt Widgets window, one label that
// shows the Japanese text of the main window in the same Mincho font, with
// the application set up as the program sets itself up.

#include "appsetup.h"

#include <QApplication>
#include <QLabel>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("ZENTAKBARE"));
    QTranslator qtTranslator;
    zentak::setUpApplication(app, qtTranslator);

    QLabel label(QStringLiteral("ﾌｧｲﾙ(F)\n稼動時間  日数  有給  退社\n  160.00  20.0  12.5\n"
                                "2026  <<  >>  12  <  >\n日 月 火 水 木 金 土\n"
                                "       1  2  3  4  5\n 6  7  8  9 10 11 12\n"
                                "13 14 15 16 17 18 19\n20 21 22 23 24 25 26\n"
                                "27 28 29 30 31\n出力"));
    label.setWindowTitle(QStringLiteral("Zentak  Ver1.3.0"));
    label.show();
    return app.exec();
}
