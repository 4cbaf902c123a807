#pragma once

#include <cstdint>
#include <string>

#include "engine/cards.h"

namespace ondiscale {

// The number of cards of each suit, indexed by index(Suit).
using SuitLengths = PerSuit<std::uint8_t>;

// A byte that is no card (outside 2..53) counts in no suit and scores nothing.
SuitLengths suitLengths(const Hand& hand);

// High-card points: ace 4, king 3, queen 2, jack 1; 0 to 37 for a hand.
std::uint8_t highCardPoints(const Hand& hand);

// The lengths from the longest to the shortest, each in decimal, joined
// without separator: "5431", "4432", "12100".
std::string shapeText(const SuitLengths& lengths);

}  // namespace ondiscale
