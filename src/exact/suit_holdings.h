#pragma once

#include <array>

#include "exact/binomials.h"

namespace ondiscale {

inline constexpr int kSuitLength = 13;
inline constexpr int kSuitPoints = 10;  // ace, king, queen and jack of one suit
inline constexpr int kSpotCards = 9;    // the cards below the jack

// The points of the four honours, ace first.
inline constexpr std::array<int, 4> kHonourPoints{4, 3, 2, 1};

// The points and the number of the honours in a subset of them, as the
// bits of `honours`.
constexpr int pointsOf(unsigned honours) {
    int points = 0;
    for (std::size_t h = 0; h < kHonourPoints.size(); ++h) {
        points += ((honours >> h) & 1U) != 0 ? kHonourPoints[h] : 0;
    }
    return points;
}
constexpr int countOf(unsigned honours) {
    int count = 0;
    for (; honours != 0; honours >>= 1) {
        count += static_cast<int>(honours & 1U);
    }
    return count;
}

// The holdings of one suit by length and high-card points: the honours
// held are one of the 16 subsets of the four, the other cards come from
// the nine spot cards.
using SuitHoldings = std::array<std::array<Count, kSuitPoints + 1>, kSuitLength + 1>;
inline constexpr SuitHoldings kSuitHoldings = [] {
    SuitHoldings ways{};
    for (unsigned honours = 0; honours < 16; ++honours) {
        const auto held = slot(countOf(honours));
        const auto points = slot(pointsOf(honours));
        for (int spots = 0; spots <= kSpotCards; ++spots) {
            ways[held + slot(spots)][points] += choose(kSpotCards, spots);
        }
    }
    return ways;
}();

}  // namespace ondiscale
