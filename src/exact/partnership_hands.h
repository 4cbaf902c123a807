#pragma once

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// How many of the C(52, 26) sets of 26 cards a partnership can hold meet
// the bounds on its combined suit lengths and points. Bounds past 13 cards
// or 40 points count as those limits; a maximum below its minimum gives 0.
Count exactPartnershipHands(const HandBounds& bounds);

}  // namespace ondiscale
