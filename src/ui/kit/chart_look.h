#pragma once

#include <QString>
#include <functional>

#include "ui/kit/axis_ticks.h"

class QCategoryAxis;
class QChartView;
class QFont;

namespace ondiscale {

// What the program's charts share: the window's palette, light or dark,
// and axes labelled by the program's own rule for numbers.

// Gives the chart the light or the dark theme of the view's palette, its
// backgrounds, and every axis and the title the palette's text colour.
// The theme gives the series colours of its own, which the caller sets
// after this. Returns whether the palette is dark.
bool followPalette(QChartView& view);

// A chart's title as the rich text a chart draws, escaped, broken between
// words onto lines no wider than `width` in `font`, so that none is cut.
QString wrappedTitle(const QString& text, const QFont& font, int width);

// Replaces an axis' labels with one at every tick, written by `text`.
void labelAxis(QCategoryAxis* axis, const AxisTicks& ticks,
               const std::function<QString(double)>& text);

}  // namespace ondiscale
