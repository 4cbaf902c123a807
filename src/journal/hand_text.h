#pragma once

#include <array>
#include <string>

#include "engine/dealer.h"

namespace ondiscale {

// The cards of one suit of the hand from high to low, with the French
// honour letters and a space between cards: "A R 10 4"; "—" for a void.
// Suits as in the card numbering: 3 spades, 2 hearts, 1 diamonds, 0 clubs.
std::string suitText(const MainSud& hand, int suit);

// The suits as the journal writes them, spades first: each suit's number
// in the card numbering, its sign, and whether the sign is printed red.
struct SuitSign {
    int number;
    const char* sign;
    bool red;
};
inline constexpr std::array<SuitSign, 4> kSuitSigns{
    {{3, "♠", false}, {2, "♥", true}, {1, "♦", true}, {0, "♣", false}}};

}  // namespace ondiscale
