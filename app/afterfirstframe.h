#pragma once
// Work the first frame does not need, put off until that frame is drawn: the
// window maps and paints sooner, and the work runs at the next turn of the
// event loop, before the user can have acted on what the frame shows.

#include <functional>

class QWidget;

namespace zentak {

// `act` runs once, after the window (already shown) first paints.
void afterFirstFrame(QWidget *window, std::function<void()> act);

} // namespace zentak
