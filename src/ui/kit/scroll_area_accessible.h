#pragma once

namespace ondiscale {

// Scroll areas as screen readers walk them, without the crash of Qt 6.4's
// own interface: it counts the viewport and the scroll bars shown, and a
// reader that asks for the last child after a scroll bar has gone (the
// content shrank in between) reads past the end of its list. Here a
// scroll area is a plain widget: its children are counted and fetched
// from one list, and a child out of range is nothing. Installed once for
// the application.
void installScrollAreaAccessible();

}  // namespace ondiscale
