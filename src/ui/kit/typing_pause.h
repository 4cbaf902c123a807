#pragma once

class QAbstractSpinBox;

namespace ondiscale {

// A spin box that takes a number typed in it once the typing pauses, or
// at Enter, or when the keyboard leaves it, not at each key ("10" is not
// first 1); its arrows, Up, Down and the wheel still change it at once.
void waitForTyping(QAbstractSpinBox& box);

}  // namespace ondiscale
