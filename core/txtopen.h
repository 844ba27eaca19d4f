#pragma once
// Opening a written report in the program the desktop associates with it.

#include <QString>

namespace zentak {

class Platform;

// Every NUL character of the text becomes a blank; the length stays.
void Nulspace(QString &text);

// Opens the file of that name in the program's folder with its associated
// program, or tells the user why it cannot. The path reaches the program as
// one argument, never through a shell.
void Txtopen(Platform &platform, const QString &messageTitle, const QString &name);

} // namespace zentak
