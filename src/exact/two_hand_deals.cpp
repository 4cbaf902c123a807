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

constexpr std::size_t kLengths = kSuitLength + 1;
constexpr int kPairPoints = 2 * kSuitPoints;
constexpr std::size_t kPointsRow = kPairPoints + 1;

// The ways one suit gives the first hand `a` cards with p points and
// the second `b` cards with q points: each honour goes to one hand or
// neither, then the spot cards.
struct Holding {
    int firstPoints;
    int secondPoints;
    Count ways;
};
using TwoHoldings = std::array<std::array<std::vector<Holding>, kLengths>, kLengths>;

TwoHoldings twoHoldings() {
    using Dense = std::array<std::array<Count, kSuitPoints + 1>, kSuitPoints + 1>;
    std::array<std::array<Dense, kLengths>, kLengths> dense{};
    for (unsigned first = 0; first < 16; ++first) {
        for (unsigned second = 0; second < 16; ++second) {
            if ((first & second) != 0) {
                continue;
            }
            const auto p = slot(pointsOf(first));
            const auto q = slot(pointsOf(second));
            for (int i = 0; i <= kSpotCards; ++i) {
                for (int j = 0; i + j <= kSpotCards; ++j) {
                    const auto a = slot(countOf(first) + i);
                    const auto b = slot(countOf(second) + j);
                    Count& ways = dense[a][b][p][q];
                    ways = checkedMulAdd(ways, choose(kSpotCards, i), choose(kSpotCards - i, j));
                }
            }
        }
    }
    TwoHoldings holdings;
    for (std::size_t a = 0; a < kLengths; ++a) {
        for (std::size_t b = 0; b < kLengths; ++b) {
            for (std::size_t p = 0; p <= kSuitPoints; ++p) {
                for (std::size_t q = 0; q <= kSuitPoints; ++q) {
                    if (dense[a][b][p][q] != 0) {
                        holdings[a][b].push_back(
                            {static_cast<int>(p), static_cast<int>(q), dense[a][b][p][q]});
                    }
                }
            }
        }
    }
    return holdings;
}

const TwoHoldings& holdingsOfTwoHands() {
    static const TwoHoldings holdings = twoHoldings();
    return holdings;
}

struct Lengths {
    int first;
    int second;
};

// The lengths one suit may give the two hands.
std::vector<Lengths> lengthsOf(const HandBounds& first, const HandBounds& second,
                               const HandBounds& together, std::size_t suit) {
    std::vector<Lengths> lengths;
    for (int a = 0; a <= kSuitLength; ++a) {
        for (int b = 0; a + b <= kSuitLength; ++b) {
            if (first.suits[suit].contains(static_cast<unsigned>(a)) &&
                second.suits[suit].contains(static_cast<unsigned>(b)) &&
                together.suits[suit].contains(static_cast<unsigned>(a + b))) {
                lengths.push_back({a, b});
            }
        }
    }
    return lengths;
}

// Two suits by the cards and the points they give each hand:
// ways[((a * kLengths + b) * kPointsRow + p) * kPointsRow + q].
std::size_t indexOf(std::size_t a, std::size_t b, std::size_t p, std::size_t q) {
    return ((a * kLengths + b) * kPointsRow + p) * kPointsRow + q;
}

struct MajorTag;
struct MinorTag;

template <typename Tag>
const std::vector<Count>& pairOfSuits(const std::vector<Lengths>& firstSuit,
                                      const std::vector<Lengths>& secondSuit) {
    const TwoHoldings& holdings = holdingsOfTwoHands();
    std::vector<Count>& ways = reusedCounts<Tag>(kLengths * kLengths * kPointsRow * kPointsRow);
    for (const Lengths& x : firstSuit) {
        for (const Lengths& y : secondSuit) {
            const int a = x.first + y.first;
            const int b = x.second + y.second;
            if (a > kSuitLength || b > kSuitLength) {
                continue;
            }
            Count* cell = &ways[indexOf(slot(a), slot(b), 0, 0)];
            const auto& xs = holdings[slot(x.first)][slot(x.second)];
            const auto& ys = holdings[slot(y.first)][slot(y.second)];
            for (const Holding& u : xs) {
                Count* row = cell + (slot(u.firstPoints) * kPointsRow + slot(u.secondPoints));
                for (const Holding& v : ys) {
                    Count& w = row[slot(v.firstPoints) * kPointsRow + slot(v.secondPoints)];
                    w = checkedMulAdd(w, u.ways, v.ways);
                }
            }
        }
    }
    return ways;
}

}  // namespace

WideCount dealsByTwoHands(const HandBounds& first, const HandBounds& second,
                          const HandBounds& together) {
    const std::vector<Count>& major = pairOfSuits<MajorTag>(lengthsOf(first, second, together, 0),
                                                            lengthsOf(first, second, together, 1));
    const std::vector<Count>& minor = pairOfSuits<MinorTag>(lengthsOf(first, second, together, 2),
                                                            lengthsOf(first, second, together, 3));
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
