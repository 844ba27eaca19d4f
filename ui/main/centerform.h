#pragma once

class QWidget;

namespace zentak {

class Platform;

// Puts the dialog centred over the parent, kept on the screen.
void centerform(QWidget *parent, QWidget *dialog, Platform &platform);

} // namespace zentak
