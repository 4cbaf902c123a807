#pragma once

#include <string>

#include "condition/hand_bounds.h"

namespace ondiscale {

// The ranges that differ from their defaults, spades to clubs and then the
// points: "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14"; "toutes les mains" when none does.
std::string boundsText(const HandBounds& bounds);

// The rows of the table that narrow something, hands then partnerships,
// each named: "Nord-Sud : 25 ≤ points ≤ 40, 8 ≤ ♠ ≤ 13 ; Sud : 4 ≤ ♠ ≤ 4";
// "toutes les donnes" when none does.
std::string tableBoundsText(const TableBounds& bounds);

}  // namespace ondiscale
