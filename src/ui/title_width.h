#pragma once

class QDialog;
class QWidget;

namespace ondiscale {

// The width a window needs for its whole title to show in its title bar:
// the title in the title bar's font and room for the buttons beside it, at
// most the width of the work area less the frame.
int widthForTitle(const QWidget& window);

// Makes a box, titled and filled, at least as wide as its title needs (a
// report asks its question in its title); its texts and buttons stay.
void makeRoomForTitle(QDialog& box);

}  // namespace ondiscale
