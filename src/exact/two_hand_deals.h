#pragma once

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// How many deals, of every deal of the 52 cards, give two given hands
// the lengths and points of their bounds, and their 26 cards together
// those of `together` (for partners, their partnership's bounds; anySide()
// asks nothing); the other two hands hold anything. Bounds past their
// limits count as the limits. A few milliseconds at most.
WideCount dealsByTwoHands(const HandBounds& first, const HandBounds& second,
                          const HandBounds& together);

}  // namespace ondiscale
