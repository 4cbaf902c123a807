#include "exact/partnership_hands.h"

#include <algorithm>
#include <array>

#include "exact/suit_holdings.h"

namespace ondiscale {
namespace {

constexpr int kCards = 26;
constexpr int kPairPoints = 2 * kSuitPoints;

// Two suits together, by their total length and points.
using PairTable = std::array<std::array<Count, kPairPoints + 1>, kCards + 1>;

PairTable twoSuits(const Range& first, const Range& second) {
    PairTable pair{};
    for (int a = first.min; a <= std::min<int>(first.max, kSuitLength); ++a) {
        for (int b = second.min; b <= std::min<int>(second.max, kSuitLength); ++b) {
            const auto& waysA = kSuitHoldings[slot(a)];
            const auto& waysB = kSuitHoldings[slot(b)];
            auto& row = pair[slot(a + b)];
            for (std::size_t p = 0; p < waysA.size(); ++p) {
                for (std::size_t q = 0; q < waysB.size() && waysA[p] != 0; ++q) {
                    row[p + q] = checkedMulAdd(row[p + q], waysA[p], waysB[q]);
                }
            }
        }
    }
    return pair;
}

}  // namespace

// Spades with hearts and diamonds with clubs, each pair by total length
// and points; the partnership holds one of each pair whose lengths make
// 26 and whose points lie in range.
Count exactPartnershipHands(const HandBounds& bounds) {
    const int pointsLow = bounds.points.min;
    const int pointsHigh = std::min<int>(bounds.points.max, kSidePoints);
    if (pointsLow > pointsHigh) {
        return 0;
    }
    const PairTable major = twoSuits(bounds.suit(Suit::Spades), bounds.suit(Suit::Hearts));
    const PairTable minor = twoSuits(bounds.suit(Suit::Diamonds), bounds.suit(Suit::Clubs));

    Count total = 0;
    for (std::size_t c = 0; c <= kCards; ++c) {
        const auto& rest = minor[kCards - c];
        std::array<Count, kPairPoints + 2> upTo{};  // the minor pair's ways below q points
        for (std::size_t q = 0; q < rest.size(); ++q) {
            upTo[q + 1] = checkedAdd(upTo[q], rest[q]);
        }
        for (int p = 0; p <= kPairPoints; ++p) {
            const Count ways = major[c][slot(p)];
            const int low = std::max(0, pointsLow - p);
            const int high = std::min(kPairPoints, pointsHigh - p);
            if (ways != 0 && low <= high) {
                total = checkedMulAdd(total, ways, upTo[slot(high) + 1] - upTo[slot(low)]);
            }
        }
    }
    return total;
}

}  // namespace ondiscale
