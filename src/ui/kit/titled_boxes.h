#pragma once

#include <QInputDialog>
#include <QMessageBox>

#include "ui/kit/window_frame.h"

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

// A message box that keeps the width its title needs even where Qt caps a
// message box's width (1000 px on a wide screen, which a title at a high
// font DPI can pass), and goes where its placement rule puts its frame.
class TitledMessageBox : public QMessageBox {
    Q_OBJECT

public:
    using QMessageBox::QMessageBox;

    // Once the box has its size, just before it is shown: where its frame
    // goes; none for Qt's own place.
    void setPlacement(FramePlacement::Rule rule) { placement_ = std::move(rule); }

protected:
    // After Qt sizes the box, which it does when shown and at every layout
    // request.
    bool event(QEvent* event) override;

private:
    FramePlacement::Rule placement_;
};

// An input box that goes where its placement rule puts its frame.
class PlacedInputDialog : public QInputDialog {
    Q_OBJECT

public:
    using QInputDialog::QInputDialog;

    void setPlacement(FramePlacement::Rule rule) { placement_ = std::move(rule); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    FramePlacement::Rule placement_;
};

// Moves a top-level window, sized and about to be shown, where a rule puts
// its frame.
void placeFrame(QWidget& window, const FramePlacement::Rule& rule);

}  // namespace ondiscale
