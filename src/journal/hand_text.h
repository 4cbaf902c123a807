#pragma once

#include <string>

#include "engine/dealer.h"

namespace ondiscale {

// The cards of one suit of the hand from high to low, with the French
// honour letters and a space between cards: "A R 10 4"; "—" for a void.
// Suits as in the card numbering: 3 spades, 2 hearts, 1 diamonds, 0 clubs.
std::string suitText(const MainSud& hand, int suit);

}  // namespace ondiscale
