#pragma once
// The desktop's default application for a file, asked of GIO. Kept apart
// from the Qt code because GLib's headers use the word "signals".

#include <string>

namespace zentak {

// The executable of the default application for the file; empty when the
// desktop knows none.
std::string defaultApplicationFor(const std::string &filePath);

} // namespace zentak
