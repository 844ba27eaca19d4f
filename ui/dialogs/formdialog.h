#pragma once
// What every dialog of the program does the same way. It is created anew
// for each opening, lays itself out in twips with the screen's twips per
// pixel, hides the main window when it loads and shows it again (once)
// when it closes, whichever way it closes: its own buttons, Escape or the
// window's close button. The opener loads it, places it over the main
// window and shows it.

#include "twips.h"

#include <QDialog>

namespace zentak {

class Platform;

class FormDialog : public QDialog {
    Q_OBJECT
public:
    // mainWindow: hidden while the dialog is open; may be null.
    FormDialog(Platform &platform, QWidget *mainWindow, QWidget *parent = nullptr);

    // The load: hides the main window, then fills the controls.
    void formLoad();

    const TwipScale &scale() const { return scale_; }
    QWidget *mainWindow() const { return mainWindow_; }

    // Every way of closing ends here; the main window comes back once.
    void done(int result) override;

    // The dialog of this program that is open on the screen, if any.
    static FormDialog *openDialog();

protected:
    virtual void fillControls() = 0;

    // The client area and the controls, in twips.
    void setClientTwips(double width, double height);
    void placeTwips(QWidget *w, double left, double top, double width, double height) const;
    // A control that keeps its own size (labels, check and option boxes).
    void moveTwips(QWidget *w, double left, double top) const;

    void closeEvent(QCloseEvent *event) override;

    Platform &platform_;

private:
    void Form_Unload();

    QWidget *mainWindow_;
    TwipScale scale_;
    bool unloaded_ = false;
};

} // namespace zentak
