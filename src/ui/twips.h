#pragma once

#include <QFont>
#include <QRect>

namespace ondiscale {

// Positions and sizes are given in twips, fifteen to a pixel at 96 dots
// per inch; Qt scales pixels for screens of other densities.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// The platform's default sans-serif face at the given size and weight.
QFont sansFont(qreal pointSize, bool bold);

}  // namespace ondiscale
