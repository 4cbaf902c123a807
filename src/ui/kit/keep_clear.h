#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ondiscale {

// Parts of windows that a box asking a question must not cover while they
// are shown (a chart the user reads to decide, say).
void keepClear(QWidget& widget);

// Where those parts are on the screen now.
QList<QRect> keptClear();

// Where a box's frame goes: centred on its owner's frame as usual, unless
// that covers a part kept clear; then the first place that covers none of
// them among below, right of, left of and above the owner, and the work
// area's corners; the usual place if none does. Always on the work area
// where the box fits.
QPoint boxCorner(const QSize& outer, const QRect& area, const QRect& owner,
                 const QList<QRect>& clear);

}  // namespace ondiscale
