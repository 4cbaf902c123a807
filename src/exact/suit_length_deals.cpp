#include "exact/suit_length_deals.h"

#include <algorithm>
#include <vector>

#include "exact/reused_counts.h"
#include "exact/suit_holdings.h"

namespace ondiscale {
namespace {

// A deal is built suit by suit: each suit's 13 cards go to the four
// seats, and each seat ends with 13 cards. Spades with hearts and
// diamonds with clubs are counted apart, each pair by the cards it gives
// each seat and the points it gives the group; the two pairs then meet
// where their cards make 13 a seat.

constexpr int kSeats = 4;
constexpr int kPairPoints = 2 * kSuitPoints;
constexpr std::size_t kLengths = kSuitLength + 1;
constexpr std::size_t kCells = kLengths * kLengths * kLengths;  // North, East, South; West the rest
constexpr std::size_t kPointsRow = kPairPoints + 1;

using Lengths = std::array<int, kSeats>;

std::size_t cellOf(const Lengths& l) {
    return (slot(l[0]) * kLengths + slot(l[1])) * kLengths + slot(l[2]);
}

// Ways for two suits to give the group p points when the first gives it
// g cards and the second h: the group's cards of each suit chosen by
// their points, the two suits' points added.
using PairPoints = std::array<std::array<std::array<Count, kPointsRow>, kLengths>, kLengths>;
constexpr PairPoints kPairPointWays = [] {
    PairPoints ways{};
    for (std::size_t g = 0; g < kLengths; ++g) {
        for (std::size_t h = 0; h < kLengths; ++h) {
            for (std::size_t p = 0; p <= kSuitPoints; ++p) {
                for (std::size_t q = 0; q <= kSuitPoints; ++q) {
                    ways[g][h][p + q] += kSuitHoldings[g][p] * kSuitHoldings[h][q];
                }
            }
        }
    }
    return ways;
}();

// One way to share a suit's 13 cards by length, with its ways once the
// group's points are set aside: the group's cards are shared among its
// seats, the others' among theirs.
struct Share {
    Lengths lengths{};
    int groupLength = 0;
    Count ways = 0;
};

Count waysToShare(const Lengths& lengths, const std::array<bool, kSeats>& among, bool inGroup) {
    int left = 0;
    for (int s = 0; s < kSeats; ++s) {
        left += among[slot(s)] == inGroup ? lengths[slot(s)] : 0;
    }
    Count ways = 1;
    for (int s = 0; s < kSeats; ++s) {
        if (among[slot(s)] == inGroup) {
            ways = checkedMul(ways, choose(left, lengths[slot(s)]));
            left -= lengths[slot(s)];
        }
    }
    return ways;
}

std::vector<Share> sharesOf(const TableConditions& conditions, std::size_t suit,
                            const PointGroup& group) {
    std::vector<Share> shares;
    Lengths l{};
    for (l[0] = 0; l[0] <= kSuitLength; ++l[0]) {
        for (l[1] = 0; l[0] + l[1] <= kSuitLength; ++l[1]) {
            for (l[2] = 0; l[0] + l[1] + l[2] <= kSuitLength; ++l[2]) {
                l[3] = kSuitLength - l[0] - l[1] - l[2];
                bool allowed = true;
                int groupLength = 0;
                for (std::size_t s = 0; s < kSeats; ++s) {
                    allowed = allowed &&
                              conditions.hands[s].suits[suit].contains(static_cast<unsigned>(l[s]));
                    groupLength += group.seats[s] ? l[s] : 0;
                }
                // East-West's ranges are already within North-South's.
                allowed = allowed && conditions.side(Side::NorthSouth)
                                         .suits[suit]
                                         .contains(static_cast<unsigned>(l[0] + l[2]));
                if (allowed) {
                    shares.push_back({l, groupLength,
                                      checkedMul(waysToShare(l, group.seats, true),
                                                 waysToShare(l, group.seats, false))});
                }
            }
        }
    }
    return shares;
}

// Two suits by the cards each seat holds of them (cell) and the group's
// points: ways[cell * kPointsRow + points].
struct PairOfSuits {
    std::vector<Count>& ways;
    std::vector<std::size_t> cells;  // those with some way
};
struct MajorTag;
struct MinorTag;
struct ByGroupLengthTag;

template <typename Tag>
PairOfSuits pairOfSuits(const std::vector<Share>& first, const std::vector<Share>& second,
                        const PointGroup& group) {
    // By the group's length in the first suit, then by cell, before points.
    std::vector<Count>& byGroupLength = reusedCounts<ByGroupLengthTag>(kLengths * kCells);
    for (const Share& a : first) {
        for (const Share& b : second) {
            Lengths c{};
            bool fits = true;
            for (std::size_t s = 0; s < kSeats; ++s) {
                c[s] = a.lengths[s] + b.lengths[s];
                fits = fits && c[s] <= kSuitLength;
            }
            if (fits) {
                Count& ways = byGroupLength[slot(a.groupLength) * kCells + cellOf(c)];
                ways = checkedMulAdd(ways, a.ways, b.ways);
            }
        }
    }

    // A group of no seat holds no points: one column is enough.
    const bool grouped =
        std::find(group.seats.begin(), group.seats.end(), true) != group.seats.end();
    const std::size_t mostPoints = grouped ? kPairPoints : 0;
    PairOfSuits pair{reusedCounts<Tag>(kCells * kPointsRow), {}};
    Lengths c{};
    for (c[0] = 0; c[0] <= kSuitLength; ++c[0]) {
        for (c[1] = 0; c[1] <= kSuitLength; ++c[1]) {
            for (c[2] = 0; c[2] <= kSuitLength; ++c[2]) {
                c[3] = 2 * kSuitLength - c[0] - c[1] - c[2];
                if (c[3] < 0 || c[3] > kSuitLength) {
                    continue;
                }
                int groupLength = 0;
                for (std::size_t s = 0; s < kSeats; ++s) {
                    groupLength += group.seats[s] ? c[s] : 0;
                }
                const std::size_t cell = cellOf(c);
                Count* ways = &pair.ways[cell * kPointsRow];
                bool any = false;
                for (int g = std::max(0, groupLength - kSuitLength);
                     g <= std::min(kSuitLength, groupLength); ++g) {
                    const Count split = byGroupLength[slot(g) * kCells + cell];
                    if (split == 0) {
                        continue;
                    }
                    any = true;
                    const auto& points = kPairPointWays[slot(g)][slot(groupLength - g)];
                    for (std::size_t p = 0; p <= mostPoints; ++p) {
                        ways[p] = checkedMulAdd(ways[p], split, points[p]);
                    }
                }
                if (any) {
                    pair.cells.push_back(cell);
                }
            }
        }
    }
    return pair;
}

}  // namespace

WideCount dealsBySuitLengths(const TableConditions& conditions, const PointGroup& group) {
    const PairOfSuits major = pairOfSuits<MajorTag>(sharesOf(conditions, 0, group),
                                                    sharesOf(conditions, 1, group), group);
    const PairOfSuits minor = pairOfSuits<MinorTag>(sharesOf(conditions, 2, group),
                                                    sharesOf(conditions, 3, group), group);

    const int pointsLow = group.points.min;
    const int pointsHigh = group.points.max;
    WideCount deals = 0;
    for (const std::size_t cell : major.cells) {
        // The minor pair must bring each seat's cards up to 13.
        const std::size_t north = cell / (kLengths * kLengths);
        const std::size_t east = cell / kLengths % kLengths;
        const std::size_t south = cell % kLengths;
        const Lengths rest{kSuitLength - static_cast<int>(north),
                           kSuitLength - static_cast<int>(east),
                           kSuitLength - static_cast<int>(south), 0};
        const Count* restWays = &minor.ways[cellOf(rest) * kPointsRow];
        std::array<Count, kPointsRow + 1> upTo{};  // the minor pair's ways below q points
        for (std::size_t q = 0; q < kPointsRow; ++q) {
            upTo[q + 1] = checkedAdd(upTo[q], restWays[q]);
        }
        if (upTo[kPointsRow] == 0) {
            continue;
        }
        const Count* ways = &major.ways[cell * kPointsRow];
        for (int p = 0; p <= kPairPoints; ++p) {
            const int low = std::max(0, pointsLow - p);
            const int high = std::min(kPairPoints, pointsHigh - p);
            if (ways[p] != 0 && low <= high) {
                deals = wideMulAdd(deals, ways[p], upTo[slot(high) + 1] - upTo[slot(low)]);
            }
        }
    }
    return deals;
}

}  // namespace ondiscale
