#include "exact/exact_hands.h"

#include <algorithm>

#include "engine/hand_measures.h"
#include "exact/suit_holdings.h"

namespace ondiscale {
namespace {

constexpr auto kLength = static_cast<std::size_t>(kSuitLength);
constexpr auto kPoints = static_cast<std::size_t>(kSuitPoints);

struct Lengths {
    std::size_t low;
    std::size_t high;
};

Lengths cards(const ondiscale::Range& range) {
    return {range.min, std::min<std::size_t>(range.max, kLength)};
}

// Two suits together, by their total length and points.
using PairTable = std::array<std::array<Count, 2 * kPoints + 1>, kLength + 1>;

PairTable twoSuits(Lengths first, Lengths second) {
    PairTable pair{};
    for (std::size_t a = first.low; a <= first.high; ++a) {
        const auto& waysA = kSuitHoldings[a];
        for (std::size_t b = second.low; b <= std::min(second.high, kLength - a); ++b) {
            const auto& waysB = kSuitHoldings[b];
            auto& row = pair[a + b];
            for (std::size_t p = 0; p <= kPoints; ++p) {
                if (waysA[p] == 0) {
                    continue;
                }
                for (std::size_t q = 0; q <= kPoints; ++q) {
                    row[p + q] = checkedMulAdd(row[p + q], waysA[p], waysB[q]);
                }
            }
        }
    }
    return pair;
}

}  // namespace

// Spades with hearts and diamonds with clubs, each pair by total length
// and points; the hand is one of each pair whose lengths make 13 and
// whose points lie in range.
std::int64_t exactHands(const HandBounds& bounds) {
    const int pointsLow = bounds.points.min;
    const int pointsHigh = std::min<int>(bounds.points.max, kHandPoints);
    if (pointsLow > pointsHigh) {
        return 0;
    }
    const PairTable major =
        twoSuits(cards(bounds.suit(Suit::Spades)), cards(bounds.suit(Suit::Hearts)));
    const PairTable minor =
        twoSuits(cards(bounds.suit(Suit::Diamonds)), cards(bounds.suit(Suit::Clubs)));

    Count total = 0;
    for (std::size_t c = 0; c <= kLength; ++c) {
        // The minor pairs with 13 - c cards, by points up to q.
        const auto& rest = minor[kLength - c];
        std::array<Count, 2 * kSuitPoints + 2> upTo{};
        for (std::size_t q = 0; q < rest.size(); ++q) {
            upTo[q + 1] = checkedAdd(upTo[q], rest[q]);
        }
        const int lastQ = static_cast<int>(rest.size()) - 1;
        for (std::size_t p = 0; p < major[c].size(); ++p) {
            const Count ways = major[c][p];
            const int low = std::max(0, pointsLow - static_cast<int>(p));
            const int high = std::min(lastQ, pointsHigh - static_cast<int>(p));
            if (ways == 0 || low > high) {
                continue;
            }
            total = checkedMulAdd(
                total, ways,
                upTo[static_cast<std::size_t>(high) + 1] - upTo[static_cast<std::size_t>(low)]);
        }
    }
    return total;
}

// The distribution texts are only 39, but a text counts exactly the
// hands whose shapeText it is: every split of 13 cards among the four
// suits is tried against it.
std::int64_t exactHands(std::string_view distribution) {
    if (distribution.size() != 4 && distribution.size() != 5) {
        return 0;
    }
    // The ways to hold n cards of a suit.
    const auto suitWays = [](std::size_t n) { return choose(kSuitLength, static_cast<int>(n)); };
    Count total = 0;
    for (std::size_t s = 0; s <= kLength; ++s) {
        for (std::size_t h = 0; s + h <= kLength; ++h) {
            for (std::size_t d = 0; s + h + d <= kLength; ++d) {
                const std::size_t c = kLength - s - h - d;
                if (shapeText({static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                               static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(c)}) !=
                    distribution) {
                    continue;
                }
                total = checkedMulAdd(total, checkedMul(suitWays(s), suitWays(h)),
                                      checkedMul(suitWays(d), suitWays(c)));
            }
        }
    }
    return total;
}

}  // namespace ondiscale
