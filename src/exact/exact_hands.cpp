#include "exact/exact_hands.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "engine/hand_measures.h"

namespace ondiscale {
namespace {

constexpr std::size_t kSuitLength = kSuitCards;

using Count = std::int64_t;

constexpr std::size_t kSuitPoints = 10;  // ace, king, queen and jack of one suit

// Every sum below counts distinct sets of cards, so none can pass
// kSouthHands (under 2^40); checked all the same, as every count here is.
[[noreturn]] void overflow() { throw std::overflow_error("exactHands: overflow"); }

Count mulAdd(Count sum, Count a, Count b) {
    Count product = 0;
    if (__builtin_mul_overflow(a, b, &product) || __builtin_add_overflow(sum, product, &sum)) {
        overflow();
    }
    return sum;
}

Count add(Count a, Count b) {
    Count sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        overflow();
    }
    return sum;
}

// C(n, k) for n up to 13.
constexpr auto kChoose = [] {
    std::array<std::array<Count, kSuitLength + 1>, kSuitLength + 1> c{};
    for (std::size_t n = 0; n <= kSuitLength; ++n) {
        c[n][0] = 1;
        for (std::size_t k = 1; k <= n; ++k) {
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    return c;
}();

// The holdings of one suit by length and points: the honours held are one
// of the 16 subsets of ace (4), king (3), queen (2) and jack (1), the other
// cards come from the nine below the jack.
using SuitTable = std::array<std::array<Count, kSuitPoints + 1>, kSuitLength + 1>;
constexpr SuitTable kSuitWays = [] {
    SuitTable ways{};
    for (unsigned honours = 0; honours < 16; ++honours) {
        const auto held = static_cast<std::size_t>(std::popcount(honours));
        const std::size_t points = 4 * (honours & 1U) + 3 * ((honours >> 1) & 1U) +
                                   2 * ((honours >> 2) & 1U) + ((honours >> 3) & 1U);
        for (std::size_t pips = 0; pips <= 9; ++pips) {
            ways[held + pips][points] += kChoose[9][pips];
        }
    }
    return ways;
}();

struct Lengths {
    std::size_t low;
    std::size_t high;
};

Lengths cards(const ondiscale::Range& range) {
    return {range.min, std::min<std::size_t>(range.max, kSuitLength)};
}

// Two suits together, by their total length and points.
using PairTable = std::array<std::array<Count, 2 * kSuitPoints + 1>, kSuitLength + 1>;

PairTable twoSuits(Lengths first, Lengths second) {
    PairTable pair{};
    for (std::size_t a = first.low; a <= first.high; ++a) {
        const auto& waysA = kSuitWays[a];
        for (std::size_t b = second.low; b <= std::min(second.high, kSuitLength - a); ++b) {
            const auto& waysB = kSuitWays[b];
            auto& row = pair[a + b];
            for (std::size_t p = 0; p <= kSuitPoints; ++p) {
                if (waysA[p] == 0) {
                    continue;
                }
                for (std::size_t q = 0; q <= kSuitPoints; ++q) {
                    row[p + q] = mulAdd(row[p + q], waysA[p], waysB[q]);
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
    for (std::size_t c = 0; c <= kSuitLength; ++c) {
        // The minor pairs with 13 - c cards, by points up to q.
        const auto& rest = minor[kSuitLength - c];
        std::array<Count, 2 * kSuitPoints + 2> upTo{};
        for (std::size_t q = 0; q < rest.size(); ++q) {
            upTo[q + 1] = add(upTo[q], rest[q]);
        }
        const int lastQ = static_cast<int>(rest.size()) - 1;
        for (std::size_t p = 0; p < major[c].size(); ++p) {
            const Count ways = major[c][p];
            const int low = std::max(0, pointsLow - static_cast<int>(p));
            const int high = std::min(lastQ, pointsHigh - static_cast<int>(p));
            if (ways == 0 || low > high) {
                continue;
            }
            total = mulAdd(
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
    Count total = 0;
    for (std::size_t s = 0; s <= kSuitLength; ++s) {
        for (std::size_t h = 0; s + h <= kSuitLength; ++h) {
            for (std::size_t d = 0; s + h + d <= kSuitLength; ++d) {
                const std::size_t c = kSuitLength - s - h - d;
                if (shapeText({static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                               static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(c)}) !=
                    distribution) {
                    continue;
                }
                total =
                    mulAdd(total, kChoose[13][s] * kChoose[13][h], kChoose[13][d] * kChoose[13][c]);
            }
        }
    }
    return total;
}

}  // namespace ondiscale
