#pragma once
// Work the first frame does not need, put off until that frame is drawn: the
// window maps and paints sooner, and the work runs at the next turn of the
// event loop. An input event that comes before (a key typed ahead) waits
// for the work, so nothing the user does meets the start half done.

#include <functional>

class QWidget;

namespace zentak {

// `act` runs once: after the window (already shown) first paints, or before
// the first key or mouse press when that comes sooner.
void afterFirstFrame(QWidget *window, std::function<void()> act);

} // namespace zentak
