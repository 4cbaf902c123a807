#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include "ui/kit/window_frame.h"

class QWidget;

namespace ondiscale {

// Where the rules put a window's frame, given its outer size and the work
// area. Every window of the program is placed by one of them.

// The frame's top-right corner at the work area's top-right corner.
QPoint topRightCorner(const QSize& outer, const QRect& area);

// The edge that centres an outer size on an area, both in twips: the
// difference rounded half to even, then halved towards zero.
int centredEdge(double areaTwips, double outerTwips);

// The frame centred on the work area by centredEdge, at `window`'s DPI.
FramePlacement::Rule centredOnWorkArea(const QWidget& window);

// Places a window beside another one, never over it and never off the
// work area: to its left, else to its right, else below it; on a screen
// too small for any of these, on the wider side, as narrow as it must be
// (what does not fit then scrolls). The window gets its preferred size
// where there is room, and never less than its least size where there is.
class BesidePlacement {
public:
    // The sides tried first: left then right then below, or below first.
    enum class Order { LeftFirst, BelowFirst };

    // Sizes of the window without its frame.
    BesidePlacement(QWidget& window, QSize preferred, QSize least, Order order = Order::LeftFirst);

    // Sizes the window for the side of `other` that has room, then places it.
    void placeBeside(QWidget& other);

    // The sizes to place it with, where they are known only once it is built.
    void setSizes(QSize preferred, QSize least) {
        preferred_ = preferred;
        least_ = least;
    }

private:
    enum class Side { Left, Right, Below };
    [[nodiscard]] QPoint corner(const QSize& outer, const QRect& area) const;

    QWidget& window_;
    QSize preferred_;
    QSize least_;
    Order order_;
    QPointer<QWidget> other_;
    Side side_ = Side::Left;
    FramePlacement* placement_;
};

}  // namespace ondiscale
