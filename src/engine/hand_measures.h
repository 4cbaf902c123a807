#pragma once

#include <cstdint>
#include <string>

#include "engine/cards.h"
#include "engine/hand_bounds.h"

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

// Whether a hand of these lengths and points meets every range of the
// bounds, all ends included. Branch-free: the ranges are tested on random
// hands, where a branch would be mispredicted.
inline bool meets(const HandBounds& bounds, const SuitLengths& lengths, std::uint8_t points) {
    const auto within = [](const Range& r, unsigned v) {
        return static_cast<unsigned>(r.min <= v) & static_cast<unsigned>(v <= r.max);
    };
    return (within(bounds.suits[0], lengths[0]) & within(bounds.suits[1], lengths[1]) &
            within(bounds.suits[2], lengths[2]) & within(bounds.suits[3], lengths[3]) &
            within(bounds.points, points)) != 0U;
}

}  // namespace ondiscale
