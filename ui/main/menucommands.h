#pragma once
// The main window's menu bar and the commands it gives: the settings
// dialog, the fortune of the day, the version message, the exit, the
// maintenance dialog and the two desk accessories.

#include "accessories.h"

#include <QObject>

class QMainWindow;

namespace zentak {

struct AppState;
class Platform;
class RecordStore;

class MenuCommands : public QObject {
    Q_OBJECT
public:
    // Builds the menu tree on the window's menu bar.
    MenuCommands(AppState &state, Platform &platform, RecordStore &store, QMainWindow *mainWindow);

    // Runs the version query and picks the platform name; builds and shows
    // the message only for the mode "1" (in any letter case).
    void showver(const QString &mode);

public slots:
    void MNUFILESET_Click();
    void MNUFILEUN_Click();
    void MNUFILEABOUT_Click();
    void MNUFILEDIT_Click();
    void MNUFILCALC_Click();
    void MNUFILNOTE_Click();

signals:
    // "終了(&X)  Ctrl+X" was chosen; the main window ends the program.
    void exitChosen();
    // A dialog was opened over the main window (for tests and the shell).
    void dialogOpened(QWidget *dialog);

private:
    void buildMenu();
    void startAccessory(Accessory which);
    void inform(const QString &text);

    AppState &state_;
    Platform &platform_;
    RecordStore &store_;
    QMainWindow *mainWindow_;
};

} // namespace zentak
