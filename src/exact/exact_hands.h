#pragma once

#include <cstdint>
#include <string_view>

#include "condition/hand_bounds.h"
#include "exact/binomials.h"

namespace ondiscale {

// How many of the kHandCount hands meet the bounds. Counted from the suit
// lengths and the honours within each suit, never by dealing. Bounds past
// 13 cards or 37 points count as those limits; a maximum below its minimum
// gives 0.
std::int64_t exactHands(const HandBounds& bounds);

// How many hands have exactly this distribution text, as shapeText writes it
// ("4432", "12100"). A text that is no distribution of 13 cards written
// longest first gives 0.
std::int64_t exactHands(std::string_view distribution);

// The share of all hands that `hands` is, from 0 to 1.
inline double probabilityOf(std::int64_t hands) {
    return static_cast<double>(hands) / static_cast<double>(kHandCount);
}

}  // namespace ondiscale
