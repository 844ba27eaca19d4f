#pragma once
// What every dialog of the program does the same way. It is created anew
// for each opening, lays out its controls from their table in twips with the
// screen's twips per pixel, hides the main window when it loads and shows it
// again (once) when it closes, whichever way it closes: its own buttons,
// Escape or the window's close button. The opener loads it, places it over
// the main window and shows it (openForm).

#include "formlayout.h"

#include <QDialog>

namespace zentak {

class Platform;

class FormDialog : public QDialog {
    Q_OBJECT
public:
    // mainWindow: hidden while the dialog is open; may be null.
    FormDialog(Platform &platform, QWidget *mainWindow, QWidget *parent = nullptr);

    // The load: hides the main window, then fills the controls.
    void load();

    // Every way of closing ends here; the main window comes back once.
    void done(int result) override;

    // The dialog of this program that is open on the screen, if any.
    static FormDialog *openDialog();

protected:
    virtual void fillControls() = 0;

    // The client area, and the controls from their table, in twips; the
    // window takes its typed pointers from what buildForm returns.
    void setClientTwips(double width, double height);
    BuiltControls buildForm(const std::vector<ControlSpec> &controls);

    void closeEvent(QCloseEvent *event) override;

    Platform &platform_;
    TwipScale scale_;

private:
    void showMainWindow();

    QWidget *mainWindow_;
    bool unloaded_ = false;
};

} // namespace zentak
