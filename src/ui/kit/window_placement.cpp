#include "ui/kit/window_placement.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/kit/twips.h"

namespace ondiscale {

QPoint topRightCorner(const QSize& outer, const QRect& area) {
    return {area.right() + 1 - outer.width(), area.top()};
}

int centredEdge(double areaTwips, double outerTwips) {
    // nearbyint rounds a half to the even neighbour; int division drops
    // the remainder towards zero.
    return static_cast<int>(std::nearbyint(areaTwips - outerTwips)) / 2;
}

FramePlacement::Rule centredOnWorkArea(const QWidget& window) {
    return [&window](const QSize& outer, const QRect& area) {
        const Twips at(window);
        const int left = centredEdge(at.fromPx(area.width()), at.fromPx(outer.width()));
        const int top = centredEdge(at.fromPx(area.height()), at.fromPx(outer.height()));
        return area.topLeft() + QPoint(at.px(left), at.px(top));
    };
}

BesidePlacement::BesidePlacement(QWidget& window, QSize preferred, QSize least, Order order)
    : window_(window),
      preferred_(preferred),
      least_(least),
      order_(order),
      placement_(new FramePlacement(
          window, [this](const QSize& outer, const QRect& area) { return corner(outer, area); })) {}

void BesidePlacement::placeBeside(QWidget& other) {
    other_ = &other;
    const QRect area = workArea(other);
    const QRect main = other.frameGeometry();
    // Where the frame is not known before showing, the other window's
    // stands for it: a window manager frames the windows of one program alike.
    QMargins frame = frameOf(window_);
    if (frame.isNull()) {
        frame = frameOf(other);
    }
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int roomLeft = main.left() - area.left() - frameWidth;
    const int roomRight = area.right() - main.right() - frameWidth;
    const int roomBelow = area.bottom() - main.bottom() - frameHeight;
    const int besideHeight = std::min(
        preferred_.height(), area.bottom() + 1 - std::max(area.top(), main.top()) - frameHeight);

    QSize inner(0, besideHeight);
    const QSize below(std::min(preferred_.width(), area.width() - frameWidth),
                      std::min(preferred_.height(), roomBelow));
    const bool leftFits = roomLeft >= least_.width();
    const bool rightFits = roomRight >= least_.width();
    // Below first where asked, else beside, else below.
    if (roomBelow >= least_.height() &&
        (order_ == Order::BelowFirst || (!leftFits && !rightFits))) {
        side_ = Side::Below;
        inner = below;
    } else if (leftFits) {
        side_ = Side::Left;
        inner.setWidth(std::min(roomLeft, preferred_.width()));
    } else if (rightFits) {
        side_ = Side::Right;
        inner.setWidth(std::min(roomRight, preferred_.width()));
    } else {
        side_ = roomLeft >= roomRight ? Side::Left : Side::Right;
        inner.setWidth(std::max(std::max(roomLeft, roomRight), 1));
    }
    window_.resize(inner);
    placement_->place();
}

QPoint BesidePlacement::corner(const QSize& outer, const QRect& area) const {
    const QRect main = other_ != nullptr ? other_->frameGeometry() : QRect();
    const int top = std::max(area.top(), main.top());
    switch (side_) {
        case Side::Left:
            return {main.left() - outer.width(), top};
        case Side::Right:
            return {main.right() + 1, top};
        case Side::Below:
            break;
    }
    return {area.right() + 1 - outer.width(), main.bottom() + 1};
}

}  // namespace ondiscale
