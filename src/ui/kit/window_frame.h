#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

namespace ondiscale {

// The frame the window manager puts around a top-level window: the one Qt
// knows once it is shown, else the one the window manager announces for it
// beforehand (X11: _NET_REQUEST_FRAME_EXTENTS), else none.
QMargins frameOf(QWidget& window);

// The part of the screen showing `window` that panels leave free.
QRect workArea(const QWidget& window);

// Keeps a top-level window where a rule puts its frame: placed before it is
// shown with the frame announced for it, so that it does not jump, and once
// more if the frame turns out otherwise (a window manager that announces
// none, another theme). A user who moves the window keeps it where it is.
class FramePlacement : public QObject {
    Q_OBJECT

public:
    // The frame's top-left corner for a frame of that outer size.
    using Rule = std::function<QPoint(const QSize& outer, const QRect& workArea)>;

    FramePlacement(QWidget& window, Rule rule);

    // Places the window now. Does nothing where windows cannot be placed
    // (Wayland).
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeWith(const QMargins& frame);

    QWidget& window_;
    Rule rule_;
    QMargins placedWith_;
};

}  // namespace ondiscale
