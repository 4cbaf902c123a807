#pragma once

#include <string>

#include "engine/hand_bounds.h"

namespace ondiscale {

// The ranges that differ from their defaults, spades to clubs and then the
// points: "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14"; "toutes les mains" when none does.
std::string boundsText(const HandBounds& bounds);

}  // namespace ondiscale
