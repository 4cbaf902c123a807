#include "exact/table_probability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "deal_oracles.h"
#include "exact_odds.h"

using namespace ondiscale;
using odds::choose;

namespace {

using enum Seat;
using enum Side;
using enum Suit;

// One condition of a row; a row's conditions apply in turn to open bounds.
using Condition = std::function<void(TableBounds&)>;

Range range(int min, int max) {
    return {static_cast<std::uint8_t>(min), static_cast<std::uint8_t>(max)};
}
Condition points(Seat seat, int min, int max) {
    return [=](TableBounds& b) { b.hand(seat).points = range(min, max); };
}
Condition points(Side side, int min, int max) {
    return [=](TableBounds& b) { b.side(side).points = range(min, max); };
}
Condition length(Seat seat, Suit suit, int min, int max) {
    return [=](TableBounds& b) { b.hand(seat).suit(suit) = range(min, max); };
}
Condition length(Side side, Suit suit, int min, int max) {
    return [=](TableBounds& b) { b.side(side).suit(suit) = range(min, max); };
}
Condition shape(Seat seat, int spades, int hearts, int diamonds, int clubs) {
    return [=](TableBounds& b) {
        b.hand(seat).suits = {range(spades, spades), range(hearts, hearts),
                              range(diamonds, diamonds), range(clubs, clubs)};
    };
}

TableBounds tableWith(const std::vector<Condition>& conditions) {
    TableBounds bounds;
    for (const Condition& condition : conditions) {
        condition(bounds);
    }
    return bounds;
}

double allDeals() { return choose(52, 13) * choose(39, 13) * choose(26, 13); }

using Shape = std::array<int, 4>;  // spades, hearts, diamonds, clubs

std::vector<Shape> shapesWithin(const HandBounds& bounds) {
    std::vector<Shape> shapes;
    odds::forEachSplit([&](int s, int h, int d, int c, double) {
        const Shape lengths{s, h, d, c};
        bool in = true;
        for (std::size_t k = 0; k < 4; ++k) {
            in = in && bounds.suits[k].contains(static_cast<unsigned>(lengths[k]));
        }
        if (in) {
            shapes.push_back(lengths);
        }
    });
    return shapes;
}

// Suit lengths only: every joint length of North, East and South (West
// holding the rest of each suit), each suit's 13 cards shared among the
// four hands in 13! / (n! e! s! w!) ways.
double lengthsOracle(const TableBounds& b) {
    const auto fits = [](const Shape& a, const Shape& c) {
        for (std::size_t k = 0; k < 4; ++k) {
            if (a[k] + c[k] > 13) {
                return false;
            }
        }
        return true;
    };
    const std::vector<Shape> north = shapesWithin(b.hand(Seat::North));
    const std::vector<Shape> east = shapesWithin(b.hand(Seat::East));
    const std::vector<Shape> south = shapesWithin(b.hand(Seat::South));
    double deals = 0;
    for (const Shape& n : north) {
        for (const Shape& s : south) {
            if (!fits(n, s)) {
                continue;
            }
            for (const Shape& e : east) {
                double ways = 1;
                for (std::size_t k = 0; k < 4 && ways > 0; ++k) {
                    const int w = 13 - n[k] - e[k] - s[k];
                    const bool in =
                        w >= 0 && b.hand(Seat::West).suits[k].contains(static_cast<unsigned>(w)) &&
                        b.side(Side::NorthSouth)
                            .suits[k]
                            .contains(static_cast<unsigned>(n[k] + s[k])) &&
                        b.side(Side::EastWest).suits[k].contains(static_cast<unsigned>(e[k] + w));
                    ways = in ? ways * choose(13, n[k]) * choose(13 - n[k], e[k]) *
                                    choose(13 - n[k] - e[k], s[k])
                              : 0;
                }
                deals += ways;
            }
        }
    }
    return deals / allDeals();
}

// Points only, of two hands X and Y: how many aces, kings, queens and
// jacks each holds, the rest of each hand from the 36 lower cards.
double twoHandsOracle(Range x, Range y, Range together) {
    double pairs = 0;
    std::array<int, 4> ofX{};
    std::array<int, 4> ofY{};
    const std::function<void(std::size_t, double)> rank = [&](std::size_t r, double ways) {
        if (r == 4) {
            const int hx = ofX[0] + ofX[1] + ofX[2] + ofX[3];
            const int hy = ofY[0] + ofY[1] + ofY[2] + ofY[3];
            const auto px = static_cast<unsigned>(4 * ofX[0] + 3 * ofX[1] + 2 * ofX[2] + ofX[3]);
            const auto py = static_cast<unsigned>(4 * ofY[0] + 3 * ofY[1] + 2 * ofY[2] + ofY[3]);
            if (hx <= 13 && hy <= 13 && x.contains(px) && y.contains(py) &&
                together.contains(px + py)) {
                pairs += ways * choose(36, 13 - hx) * choose(23 + hx, 13 - hy);
            }
            return;
        }
        for (ofX[r] = 0; ofX[r] <= 4; ++ofX[r]) {
            for (ofY[r] = 0; ofX[r] + ofY[r] <= 4; ++ofY[r]) {
                rank(r + 1, ways * choose(4, ofX[r]) * choose(4 - ofX[r], ofY[r]));
            }
        }
    };
    rank(0, 1);
    return pairs / (choose(52, 13) * choose(39, 13));
}

// A holder of `cards` cards (a hand's 13 or a partnership's 26), by its
// spades and its points: which spade honours it holds, how many of the
// other three of each rank, how many spade spots, then the other cards.
std::array<std::array<double, 41>, 14> holderOracle(int cards) {
    std::array<std::array<double, 41>, 14> p{};
    constexpr std::array<int, 4> kPoints{4, 3, 2, 1};
    for (unsigned spadeHonours = 0; spadeHonours < 16; ++spadeHonours) {
        for (int others = 0; others < 256; ++others) {  // base 4: 0 to 3 of each rank
            double ways = 1;
            int held = 0;
            int spades = 0;
            int points = 0;
            for (std::size_t r = 0; r < 4; ++r) {
                const int spade = static_cast<int>((spadeHonours >> r) & 1U);
                const int other = (others >> (2 * r)) & 3;
                ways *= choose(3, other);
                spades += spade;
                held += spade + other;
                points += kPoints[r] * (spade + other);
            }
            for (int spots = 0; spots <= 9; ++spots) {
                p[static_cast<std::size_t>(spades + spots)][static_cast<std::size_t>(points)] +=
                    ways * choose(9, spots) * choose(27, cards - held - spots) / choose(52, cards);
            }
        }
    }
    return p;
}

// At least `least` of `suit` cards among `drawn` of `from`.
double atLeast(int least, int suit, int drawn, int from) {
    double p = 0;
    for (int k = least; k <= suit; ++k) {
        p += choose(suit, k) * choose(from - suit, drawn - k) / choose(from, drawn);
    }
    return p;
}

::testing::AssertionResult agrees(const std::optional<double>& exact, double oracle) {
    if (!exact) {
        return ::testing::AssertionFailure() << "not counted";
    }
    if (std::abs(*exact - oracle) <= 1e-13 + 1e-12 * oracle) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << *exact << " against " << oracle;
}

TEST(ExactProbability, ReferenceValues) {
    struct Row {
        const char* name;
        std::vector<Condition> conditions;
        double percent;
        double unit;
    };
    const Row rows[] = {
        {"North-South 25 points and 8 spades",
         {points(NorthSouth, 25, 40), length(NorthSouth, Spades, 8, 13)},
         4.530308,
         1e-6},
        {"North-South 25 points", {points(NorthSouth, 25, 40)}, 17.53753, 1e-5},
        {"8 spades together", {length(NorthSouth, Spades, 8, 13)}, 26.15086, 1e-5},
        {"South 4 spades, North at least 4",
         {length(South, Spades, 4, 4), length(North, Spades, 4, 13)},
         8.031117,
         1e-6},
        {"West 10 points exactly", {points(West, 10, 10)}, 9.405115, 1e-6},
    };
    for (const Row& row : rows) {
        const auto p = exactProbability(tableWith(row.conditions));
        ASSERT_TRUE(p.has_value()) << row.name;
        EXPECT_TRUE(odds::roundsTo(100 * *p, row.percent, row.unit)) << row.name;
    }
}

TEST(ExactProbability, SuitLengthsAgainstEveryJointLength) {
    const std::pair<const char*, std::vector<Condition>> rows[] = {
        {"a length on every hand",
         {length(North, Spades, 5, 6), length(South, Spades, 3, 4), length(East, Hearts, 5, 13),
          length(West, Clubs, 0, 2)}},
        {"a partnership's length beside hands'",
         {length(NorthSouth, Spades, 8, 13), length(North, Hearts, 4, 5),
          length(South, Hearts, 0, 2), length(West, Diamonds, 4, 13)}},
        {"two shapes, and the opponents' row",
         {shape(North, 4, 4, 3, 2), shape(South, 2, 3, 4, 4), length(East, Spades, 5, 13),
          length(EastWest, Hearts, 0, 4)}},
    };
    for (const auto& [name, conditions] : rows) {
        const TableBounds bounds = tableWith(conditions);
        EXPECT_TRUE(agrees(exactProbability(bounds), lengthsOracle(bounds))) << name;
    }
}

TEST(ExactProbability, PointsAgainstTheHonoursCounted) {
    const auto hand = holderOracle(13);
    const auto side = holderOracle(26);
    // A holder's share with points from `low` to `high`, weighted by the
    // chance its spades `t` meet the row's length conditions.
    const auto sum = [](const auto& holder, int low, int high,
                        const std::function<double(int)>& spades) {
        double p = 0;
        for (int t = 0; t <= 13; ++t) {
            for (int q = low; q <= high; ++q) {
                p += holder[static_cast<std::size_t>(t)][static_cast<std::size_t>(q)] * spades(t);
            }
        }
        return p;
    };
    struct Row {
        const char* name;
        std::vector<Condition> conditions;
        double oracle;
    };
    const Row rows[] = {
        {"North 15-17, South 8-10",
         {points(North, 15, 17), points(South, 8, 10)},
         twoHandsOracle({15, 17}, {8, 10}, {0, 40})},
        {"North 12 or more, North-South 25 or more",
         {points(North, 12, 37), points(NorthSouth, 25, 40)},
         twoHandsOracle({12, 37}, {0, 37}, {25, 40})},
        {"East-West 15 at most, West 6 at most",
         {points(EastWest, 0, 15), points(West, 0, 6)},
         twoHandsOracle({0, 6}, {0, 37}, {0, 15})},
        {"South 12-14, West 12 or more",
         {points(South, 12, 14), points(West, 12, 37)},
         twoHandsOracle({12, 14}, {12, 37}, {0, 40})},
        {"North-South 25 points, North 5 spades or more",
         {points(NorthSouth, 25, 40), length(North, Spades, 5, 13)},
         sum(side, 25, 40, [](int t) { return atLeast(5, t, 13, 26); })},
        {"South 12-14, North 4 spades or more",
         {points(South, 12, 14), length(North, Spades, 4, 13)},
         sum(hand, 12, 14, [](int t) { return atLeast(4, 13 - t, 13, 39); })},
        {"North 15-17, 8 spades together",
         {points(North, 15, 17), length(NorthSouth, Spades, 8, 13)},
         sum(hand, 15, 17, [](int t) { return atLeast(std::max(0, 8 - t), 13 - t, 13, 39); })},
        {"South 12-14 and 5 spades or more, North 3 spades or more",
         {points(South, 12, 14), length(South, Spades, 5, 13), length(North, Spades, 3, 13)},
         sum(hand, 12, 14, [](int t) { return t >= 5 ? atLeast(3, 13 - t, 13, 39) : 0.0; })},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(agrees(exactProbability(tableWith(row.conditions)), row.oracle)) << row.name;
    }
}

// Every way of counting shares out its whole: one measure's exact
// values, summed over all it can be, give the count without it.
TEST(ExactDeals, PartsAddUpToTheWhole) {
    struct Row {
        const char* name;
        std::vector<Condition> whole;
        std::function<Condition(int)> part;
        int parts;
    };
    const Row rows[] = {
        {"North-South spades", {}, [](int k) { return length(NorthSouth, Spades, k, k); }, 14},
        {"North's points beside South's, by tens",
         {points(South, 10, 12)},
         [](int k) { return points(North, 10 * k, 10 * k + 9); },
         4},
        {"North's spades beside North's and South's points",
         {points(North, 15, 17), points(South, 8, 10)},
         [](int k) { return length(North, Spades, k, k); },
         14},
        {"North's spades beside North-South's points",
         {points(NorthSouth, 25, 40)},
         [](int k) { return length(North, Spades, k, k); },
         14},
    };
    for (const Row& row : rows) {
        WideCount sum = 0;
        for (int k = 0; k < row.parts; ++k) {
            std::vector<Condition> part = row.whole;
            part.push_back(row.part(k));
            sum += exactDeals(tableWith(part)).value();
        }
        EXPECT_TRUE(sum == exactDeals(tableWith(row.whole)).value()) << row.name;
    }
    EXPECT_TRUE(exactDeals(TableBounds{}).value() ==
                WideCount{635'013'559'600} * 8'122'425'444 * 10'400'600)
        << "52! / 13!^4";
}

TEST(ExactProbability, ImpossibleBoundsGiveZeroAndBoundsPastTheLimitsAreTheLimits) {
    const std::pair<const char*, std::vector<Condition>> impossible[] = {
        {"a minimum above its maximum", {length(North, Spades, 6, 5)}},
        {"fourteen spades", {length(North, Spades, 7, 13), length(South, Spades, 7, 13)}},
        {"both partnerships long in spades",
         {length(NorthSouth, Spades, 10, 13), length(EastWest, Spades, 4, 13)}},
        {"more than 40 points", {points(North, 30, 37), points(South, 30, 37)}},
        {"38 points", {points(East, 38, 255)}},
        {"both partnerships strong", {points(NorthSouth, 25, 40), points(EastWest, 16, 40)}},
    };
    for (const auto& [name, conditions] : impossible) {
        EXPECT_EQ(exactProbability(tableWith(conditions)), 0.0) << name;
    }

    const std::pair<std::vector<Condition>, std::vector<Condition>> same[] = {
        {{points(NorthSouth, 25, 255)}, {points(NorthSouth, 25, 40)}},
        {{length(North, Spades, 5, 200), points(South, 10, 12)},
         {length(North, Spades, 5, 13), points(South, 10, 12)}},
        {{points(West, 0, 37), length(EastWest, Spades, 0, 99)}, {}},
    };
    for (const auto& [past, limits] : same) {
        EXPECT_EQ(exactProbability(tableWith(past)), exactProbability(tableWith(limits)));
    }
}

// Points on three or four hands are counted now: the share against the
// honours counted rank by rank, and points on two hands beside another
// hand's (or a partnership's) length against the two hands alone, the
// length's every value added up.
TEST(ExactProbability, PointsOnMoreHandsAgainstTheHonoursCounted) {
    const std::array<Range, 4> any{range(0, 37), range(0, 37), range(0, 37), range(0, 37)};
    auto threeOpeners = any;
    threeOpeners[0] = threeOpeners[1] = threeOpeners[2] = range(12, 37);
    EXPECT_TRUE(agrees(exactProbability(tableWith(
                           {points(North, 12, 37), points(East, 12, 37), points(South, 12, 37)})),
                       oracle::pointsShare(threeOpeners)))
        << "points on three hands";

    struct Row {
        const char* name;
        std::vector<Condition> conditions;
        std::function<Condition(int)> length;  // the length, at k exactly
        double oracle;
    };
    const Row rows[] = {
        {"two opponents' points and a partnership's length",
         {points(North, 12, 37), points(East, 12, 37)},
         [](int k) { return length(NorthSouth, Spades, k, k); },
         twoHandsOracle({12, 37}, {12, 37}, {0, 40})},
        {"two hands' points and a third hand's length",
         {points(North, 15, 17), points(South, 8, 10)},
         [](int k) { return length(West, Spades, k, k); },
         twoHandsOracle({15, 17}, {8, 10}, {0, 40})},
        {"a hand's and its partnership's points, an opponent's length",
         {points(North, 15, 17), points(NorthSouth, 25, 40)},
         [](int k) { return length(East, Hearts, k, k); },
         twoHandsOracle({15, 17}, {0, 37}, {25, 40})},
    };
    for (const Row& row : rows) {
        double sum = 0;
        for (int k = 0; k <= 13; ++k) {
            std::vector<Condition> part = row.conditions;
            part.push_back(row.length(k));
            const std::optional<double> p = exactProbability(tableWith(part));
            ASSERT_TRUE(p.has_value()) << row.name << ", length " << k;
            sum += *p;
        }
        EXPECT_TRUE(agrees(sum, row.oracle)) << row.name;
    }
}

}  // namespace
