#pragma once

class QKeyEvent;
class QWidget;

namespace ondiscale {

// Escape, with no modifier, in a window that has a parent window: the
// parent is raised and given the keyboard. Whether the key was taken.
bool escapeBackToParent(QWidget& window, const QKeyEvent& event);

}  // namespace ondiscale
