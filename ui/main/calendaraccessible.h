#pragma once
// Assistive technology's view of the calendar: the panel a group named by
// its month, whose children are its controls and then its cells (drawn by
// the panel, not widgets): each weekday header a static text, each day
// cell a button named by its date and described by its record, focusable
// while it shows a day and focused while it is framed, whose press action
// opens the day as a click does.

namespace zentak {

// Installed by the panel, before any of it is asked for.
void installCalendarAccessibility();

} // namespace zentak
