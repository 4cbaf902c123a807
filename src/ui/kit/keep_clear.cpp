#include "ui/kit/keep_clear.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace ondiscale {
namespace {

constexpr const char* kKeepClear = "ondiscaleKeepClear";

// The place moved onto the work area where the box fits there.
QRect within(QRect place, const QRect& area) {
    place.moveLeft(std::clamp(place.left(), area.left(),
                              std::max(area.left(), area.right() + 1 - place.width())));
    place.moveTop(std::clamp(place.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - place.height())));
    return place;
}

}  // namespace

void keepClear(QWidget& widget) { widget.setProperty(kKeepClear, true); }

QList<QRect> keptClear() {
    QList<QRect> rects;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->isVisible() && widget->property(kKeepClear).toBool()) {
            rects << QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        }
    }
    return rects;
}

QPoint boxCorner(const QSize& outer, const QRect& area, const QRect& owner,
                 const QList<QRect>& clear) {
    const QRect usual = within(QRect(QPoint(owner.center().x() - outer.width() / 2,
                                            owner.center().y() - outer.height() / 2),
                                     outer),
                               area);
    const auto free = [&](const QRect& place) {
        return area.contains(place) &&
               std::none_of(clear.begin(), clear.end(),
                            [&](const QRect& c) { return c.intersects(place); });
    };
    if (free(usual)) {
        return usual.topLeft();
    }
    const QPoint candidates[] = {
        {owner.right() + 1 - outer.width(), owner.bottom() + 1},  // below, right-aligned
        {owner.left(), owner.bottom() + 1},                       // below, left-aligned
        {owner.right() + 1, owner.top()},                         // right
        {owner.left() - outer.width(), owner.top()},              // left
        {owner.left(), owner.top() - outer.height()},             // above
        {area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height()},
        {area.left(), area.bottom() + 1 - outer.height()},
        {area.right() + 1 - outer.width(), area.top()},
        {area.left(), area.top()},
    };
    for (const QPoint& corner : candidates) {
        const QRect place = within(QRect(corner, outer), area);
        if (free(place)) {
            return place.topLeft();
        }
    }
    return usual.topLeft();
}

}  // namespace ondiscale
