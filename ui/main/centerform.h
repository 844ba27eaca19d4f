#pragma once

#include <QSize>

class QWidget;

namespace zentak {

class FormDialog;
class Platform;

// Puts the dialog centred over the parent, kept on the screen. Both are
// measured by their outer (frame) size.
void centerform(QWidget *parent, QWidget *dialog, Platform &platform);

// The outer size a window will have once shown. A window that has been
// shown knows its frame; before that it is taken to get the frame the
// window system gave the reference window (the main window).
QSize outerSize(const QWidget *window, const QWidget *reference);

// Opening a dialog: its load (which hides the main window), centerform over
// the main window, then shown, not modal.
void openForm(FormDialog *dialog, QWidget *mainWindow, Platform &platform);

} // namespace zentak
