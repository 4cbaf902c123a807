#include "exact/two_hand_deals.h"

#include <algorithm>
#include <array>
#include <vector>

#include "exact/reused_counts.h"
#include "exact/suit_holdings.h"

namespace ondiscale {
namespace {

// The two hands are built suit by suit, each suit's cards going to the
// first hand, the second or neither, with both hands' points followed.
// Spades with hearts and diamonds with clubs are counted apart, then
// meet where each hand's cards make 13; the 26 cards neither holds make
// the other two hands in C(26, 13) ways.
//
// Within a pair of suits, the honours and the spot cards are counted
// apart: the points depend only on which honours each hand holds, the
// lengths on how many honours and spot cards. So the spot cards are
// counted by the number of honours each hand holds of each suit, and
// the honours' points by those numbers alone, once for all.

constexpr std::size_t kLengths = kSuitLength + 1;
constexpr int kPairPoints = 2 * kSuitPoints;
constexpr std::size_t kPointsRow = kPairPoints + 1;

// How many honours of one suit each hand holds: 15 ways with 4 honours.
struct HonourCounts {
    int first;
    int second;
};
constexpr std::array<HonourCounts, 15> kHonourCounts = [] {
    std::array<HonourCounts, 15> counts{};
    std::size_t n = 0;
    for (int first = 0; first <= 4; ++first) {
        for (int second = 0; first + second <= 4; ++second) {
            counts[n++] = {first, second};
        }
    }
    return counts;
}();
constexpr std::size_t kHonourPairs = kHonourCounts.size() * kHonourCounts.size();

// Where kHonourCounts lists `first` and `second` honours.
constexpr std::size_t honourIndex(int first, int second) {
    std::size_t n = 0;
    for (int f = 0; f < first; ++f) {
        n += slot(5 - f);
    }
    return n + slot(second);
}
static_assert(kHonourCounts[honourIndex(2, 1)].first == 2 &&
              kHonourCounts[honourIndex(2, 1)].second == 1);

struct Points {
    int first;
    int second;
    Count ways;
};

// For the honour counts of two suits, the ways their honours give each
// hand its points: [c1 * 15 + c2], each hand's points
// across both suits.
using HonourPoints = std::array<std::vector<Points>, kHonourPairs>;

HonourPoints honourPoints() {
    // One suit: the honours each hand holds, by counts then points.
    using Dense = std::array<std::array<Count, kSuitPoints + 1>, kSuitPoints + 1>;
    std::array<Dense, kHonourCounts.size()> oneSuit{};
    for (unsigned first = 0; first < 16; ++first) {
        for (unsigned second = 0; second < 16; ++second) {
            if ((first & second) != 0) {
                continue;
            }
            ++oneSuit[honourIndex(countOf(first), countOf(second))][slot(pointsOf(first))]
                     [slot(pointsOf(second))];
        }
    }
    HonourPoints points;
    for (std::size_t c1 = 0; c1 < kHonourCounts.size(); ++c1) {
        for (std::size_t c2 = 0; c2 < kHonourCounts.size(); ++c2) {
            std::array<std::array<Count, kPointsRow>, kPointsRow> both{};
            for (std::size_t p = 0; p <= kSuitPoints; ++p) {
                for (std::size_t q = 0; q <= kSuitPoints; ++q) {
                    for (std::size_t r = 0; r <= kSuitPoints; ++r) {
                        for (std::size_t t = 0; t <= kSuitPoints; ++t) {
                            both[p + r][q + t] = checkedMulAdd(
                                both[p + r][q + t], oneSuit[c1][p][q], oneSuit[c2][r][t]);
                        }
                    }
                }
            }
            for (std::size_t p = 0; p < kPointsRow; ++p) {
                for (std::size_t q = 0; q < kPointsRow; ++q) {
                    if (both[p][q] != 0) {
                        points[c1 * kHonourCounts.size() + c2].push_back(
                            {static_cast<int>(p), static_cast<int>(q), both[p][q]});
                    }
                }
            }
        }
    }
    return points;
}

const HonourPoints& pointsOfHonours() {
    static const HonourPoints points = honourPoints();
    return points;
}

// One way a suit may give the two hands their lengths, with so many
// honours each and the ways to choose their spot cards.
struct Holding {
    int first;
    int second;
    std::size_t honours;  // in kHonourCounts
    Count spotWays;
};

std::vector<Holding> holdingsOf(const HandBounds& first, const HandBounds& second,
                                const HandBounds& together, std::size_t suit) {
    std::vector<Holding> holdings;
    for (int a = 0; a <= kSuitLength; ++a) {
        for (int b = 0; a + b <= kSuitLength; ++b) {
            if (!first.suits[suit].contains(static_cast<unsigned>(a)) ||
                !second.suits[suit].contains(static_cast<unsigned>(b)) ||
                !together.suits[suit].contains(static_cast<unsigned>(a + b))) {
                continue;
            }
            for (std::size_t c = 0; c < kHonourCounts.size(); ++c) {
                const int i = a - kHonourCounts[c].first;  // spot cards
                const int j = b - kHonourCounts[c].second;
                if (i >= 0 && j >= 0 && i + j <= kSpotCards) {
                    holdings.push_back(
                        {a, b, c, checkedMul(choose(kSpotCards, i), choose(kSpotCards - i, j))});
                }
            }
        }
    }
    return holdings;
}

// Two suits by the cards and the points they give each hand:
// ways[((a * kLengths + b) * kPointsRow + p) * kPointsRow + q].
std::size_t indexOf(std::size_t a, std::size_t b, std::size_t p, std::size_t q) {
    return ((a * kLengths + b) * kPointsRow + p) * kPointsRow + q;
}

struct MajorTag;
struct MinorTag;
struct SpotTag;

template <typename Tag>
const std::vector<Count>& pairOfSuits(const std::vector<Holding>& firstSuit,
                                      const std::vector<Holding>& secondSuit) {
    // The spot cards, by both suits' honour counts, then lengths.
    constexpr std::size_t kCells = kLengths * kLengths;
    std::vector<Count>& spots = reusedCounts<SpotTag>(kHonourPairs * kCells);
    for (const Holding& x : firstSuit) {
        for (const Holding& y : secondSuit) {
            const int a = x.first + y.first;
            const int b = x.second + y.second;
            if (a <= kSuitLength && b <= kSuitLength) {
                Count& w = spots[(x.honours * kHonourCounts.size() + y.honours) * kCells +
                                 slot(a) * kLengths + slot(b)];
                w = checkedMulAdd(w, x.spotWays, y.spotWays);
            }
        }
    }

    // Then the honours' points.
    const HonourPoints& honours = pointsOfHonours();
    std::vector<Count>& ways = reusedCounts<Tag>(kCells * kPointsRow * kPointsRow);
    for (std::size_t c = 0; c < kHonourPairs; ++c) {
        for (std::size_t cell = 0; cell < kCells; ++cell) {
            const Count spotWays = spots[c * kCells + cell];
            if (spotWays == 0) {
                continue;
            }
            Count* points = &ways[indexOf(cell / kLengths, cell % kLengths, 0, 0)];
            for (const Points& h : honours[c]) {
                Count& w = points[slot(h.first) * kPointsRow + slot(h.second)];
                w = checkedMulAdd(w, spotWays, h.ways);
            }
        }
    }
    return ways;
}

}  // namespace

WideCount dealsByTwoHands(const HandBounds& first, const HandBounds& second,
                          const HandBounds& together) {
    const std::vector<Count>& major = pairOfSuits<MajorTag>(holdingsOf(first, second, together, 0),
                                                            holdingsOf(first, second, together, 1));
    const std::vector<Count>& minor = pairOfSuits<MinorTag>(holdingsOf(first, second, together, 2),
                                                            holdingsOf(first, second, together, 3));
    const int firstLow = first.points.min;
    const int firstHigh = first.points.max;
    const int secondLow = second.points.min;
    const int secondHigh = second.points.max;
    const int bothLow = together.points.min;
    const int bothHigh = together.points.max;

    WideCount pairs = 0;  // of the two hands
    for (std::size_t a = 0; a < kLengths; ++a) {
        for (std::size_t b = 0; b < kLengths; ++b) {
            // The minor pair brings each hand to 13 cards; its ways below
            // q points for the second hand, for each of the first's points.
            const std::size_t restCell = indexOf(kSuitLength - a, kSuitLength - b, 0, 0);
            std::array<std::array<Count, kPointsRow + 1>, kPointsRow> upTo{};
            for (std::size_t p = 0; p < kPointsRow; ++p) {
                for (std::size_t q = 0; q < kPointsRow; ++q) {
                    upTo[p][q + 1] = checkedAdd(upTo[p][q], minor[restCell + p * kPointsRow + q]);
                }
            }
            for (int p = 0; p <= kPairPoints; ++p) {
                for (int q = 0; q <= kPairPoints; ++q) {
                    const Count ways = major[indexOf(a, b, slot(p), slot(q))];
                    if (ways == 0) {
                        continue;
                    }
                    Count rest = 0;
                    for (int r = std::max(0, firstLow - p);
                         r <= std::min(kPairPoints, firstHigh - p); ++r) {
                        const int low = std::max({0, secondLow - q, bothLow - p - r - q});
                        const int high =
                            std::min({kPairPoints, secondHigh - q, bothHigh - p - r - q});
                        if (low <= high) {
                            const auto& row = upTo[slot(r)];
                            rest = checkedAdd(rest, row[slot(high) + 1] - row[slot(low)]);
                        }
                    }
                    pairs = wideMulAdd(pairs, ways, rest);
                }
            }
        }
    }
    return checkedMul<WideCount>(pairs, kLastTwoHandsCount);
}

}  // namespace ondiscale
