#pragma once
// The desktop's default application for a file, asked of GIO. GIO is loaded
// only when a report is opened, so it costs nothing at start-up. Kept apart
// from the Qt code because GLib's headers use the word "signals".

#include <string>

namespace zentak {

// The executable of the default application for the file; empty when the
// desktop knows none, when GIO cannot be loaded, or when the application
// runs only in a terminal (it would start where the user cannot see it).
std::string defaultApplicationFor(const std::string &filePath);

} // namespace zentak
