#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "exact/fit_table.h"
#include "exact/pattern_table.h"
#include "exact/point_table.h"
#include "exact/split_table.h"
#include "exact/suit_length_tables.h"
#include "exact_odds.h"

using namespace ondiscale;
using odds::choose;
using odds::roundsTo;

namespace {

constexpr Count kHands = 635'013'559'600;             // C(52, 13)
constexpr Count kPartnerships = 495'918'532'948'104;  // C(52, 26)
constexpr Count kPartnerHands = 8'122'425'444;        // C(39, 13)
constexpr Count kOpponentHoldings = 10'400'600;       // C(26, 13)

const SplitRow& splitOf(const SplitTable& table, int missing, int longer) {
    const auto row = std::find_if(table.rows.begin(), table.rows.end(), [&](const SplitRow& r) {
        return r.missing == missing && r.longer == longer;
    });
    if (row == table.rows.end()) {
        throw std::logic_error("no such split");
    }
    return *row;
}

TEST(SplitTable, APrioriAsPrinted) {
    struct Row {
        int missing;
        int longer;
        double percent;
    };
    const Row printed[] = {{5, 3, 67.83}, {5, 4, 28.26}, {5, 5, 3.91},  {6, 4, 48.45},
                           {6, 3, 35.53}, {6, 5, 14.53}, {6, 6, 1.49},  {7, 4, 62.17},
                           {7, 5, 30.52}, {8, 5, 47.12}, {8, 4, 32.72}, {4, 3, 49.74},
                           {4, 2, 40.70}, {4, 4, 9.57}};
    const SplitTable table = splitTable();
    EXPECT_TRUE(table.aPriori());
    EXPECT_EQ(table.holdings, kOpponentHoldings);
    for (const Row& row : printed) {
        EXPECT_TRUE(
            roundsTo(100 * splitOf(table, row.missing, row.longer).probability, row.percent, 0.01))
            << row.missing << " missing, " << row.longer << "-" << row.missing - row.longer;
    }
    const SplitRow& threeTwo = splitOf(table, 5, 3);
    EXPECT_EQ(threeTwo.layouts, 20);
    EXPECT_TRUE(roundsTo(100 * threeTwo.westLonger.layoutProbability, 3.39, 0.01));
    EXPECT_DOUBLE_EQ(threeTwo.westLonger.layoutProbability, threeTwo.eastLonger.layoutProbability);
}

// Each missing number's splits share out every holding of West's and,
// both ways, every one of the 2^missing layouts exactly once.
TEST(SplitTable, EachMissingNumberAddsUpToEveryHoldingAndLayout) {
    for (const VacantPlaces places : {VacantPlaces{}, VacantPlaces{7, 13}, VacantPlaces{3, 9}}) {
        const SplitTable table = splitTable(places);
        EXPECT_EQ(table.holdings, std::llround(choose(places.west + places.east, places.west)));
        for (int missing = 1; missing <= std::min(13, places.west + places.east); ++missing) {
            Count holdings = 0;
            Count layouts = 0;
            double probability = 0;
            for (const SplitRow& row : table.rows) {
                if (row.missing == missing) {
                    holdings += row.holdings;
                    layouts += row.layouts;
                    probability += row.probability;
                }
            }
            EXPECT_EQ(holdings, table.holdings) << missing << " missing";
            EXPECT_EQ(layouts, Count{1} << missing) << missing << " missing";
            EXPECT_NEAR(probability, 1.0, 1e-12);
        }
    }
}

// The law of vacant places, worked by hand: West is known to hold 6
// cards outside the suit, so 7 places against East's 13. Of 2 missing
// cards, West holds both in C(7,2) of the C(20,2) ways, one in 7 x 13,
// none in C(13,2).
TEST(SplitTable, VacantPlacesWorkedByHand) {
    const VacantPlaces places = VacantPlaces::afterKnownCards(6, 0);
    ASSERT_EQ(places, (VacantPlaces{7, 13}));
    const SplitTable table = splitTable(places);
    EXPECT_FALSE(table.aPriori());
    const SplitRow& twoNil = splitOf(table, 2, 2);
    EXPECT_NEAR(twoNil.westLonger.probability, 21.0 / 190, 1e-15);
    EXPECT_NEAR(twoNil.eastLonger.probability, 78.0 / 190, 1e-15);
    EXPECT_NEAR(splitOf(table, 2, 1).probability, 91.0 / 190, 1e-15);

    // Every way, as the share of the unseen cards' places: West's w of
    // the missing cards in his 7 places, East's the rest in his 13.
    for (const SplitRow& row : table.rows) {
        for (const SplitWay& way : {row.westLonger, row.eastLonger}) {
            const double expected =
                choose(7, way.west) * choose(13, way.east) / choose(20, row.missing);
            EXPECT_NEAR(way.probability, expected, 1e-14) << way.west << "-" << way.east;
            EXPECT_NEAR(way.layoutProbability * static_cast<double>(way.layouts), expected, 1e-14);
        }
        if (!row.even() && row.longer <= 7) {
            EXPECT_LT(row.westLonger.probability, row.eastLonger.probability)
                << "West, with fewer places, holds the longer part less often";
        }
    }
}

// Equal places leave each split's two ways equally likely, but fewer
// places than 13 make even splits likelier than a priori: with one place
// each, two missing cards must split 1-1.
TEST(SplitTable, EqualPlacesAreEvenHanded) {
    for (std::uint8_t v = 1; v <= 13; ++v) {
        for (const SplitRow& row : splitTable({v, v}).rows) {
            EXPECT_DOUBLE_EQ(row.westLonger.probability, row.eastLonger.probability);
        }
    }
    EXPECT_DOUBLE_EQ(splitOf(splitTable({1, 1}), 2, 1).probability, 1.0);
    EXPECT_GT(splitOf(splitTable({7, 7}), 5, 3).probability,
              splitOf(splitTable(), 5, 3).probability);
}

TEST(SplitTable, PlacesBeyondTheLimitsAndFewPlaces) {
    EXPECT_EQ(VacantPlaces::afterKnownCards(20, 13), (VacantPlaces{0, 0}));
    EXPECT_TRUE(splitTable({200, 14}).aPriori());
    const SplitTable few = splitTable({2, 1});
    EXPECT_EQ(few.rows.back().missing, 3) << "no more missing cards than places";
    EXPECT_DOUBLE_EQ(splitOf(few, 3, 2).westLonger.probability, 1.0);
    EXPECT_TRUE(splitTable({0, 0}).rows.empty());
}

TEST(PatternTable, ThirtyNinePatternsLikeliestFirst) {
    const auto table = patternTable();
    const auto oracle = odds::patternProbabilities();
    ASSERT_EQ(table.size(), 39U);
    Count hands = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PatternRow& row = table[i];
        hands += row.hands;
        EXPECT_NEAR(row.probability, oracle.at(row.text), 1e-15) << row.text;
        EXPECT_NEAR(row.cumulative, static_cast<double>(hands) / kHands, 1e-15) << row.text;
        if (i > 0) {
            EXPECT_LE(row.hands, table[i - 1].hands) << row.text;
        }
    }
    EXPECT_EQ(hands, kHands);
    EXPECT_EQ(table[0].text, "4432");
    EXPECT_TRUE(roundsTo(100 * table[0].probability, 21.55118, 1e-5));
    EXPECT_EQ(table[1].text, "5332");
    EXPECT_TRUE(roundsTo(100 * table[1].probability, 15.51685, 1e-5));
}

TEST(PatternTable, GroupsAsTaught) {
    for (const PatternRow& row : patternTable()) {
        const PatternGroup expected =
            (row.text == "4333" || row.text == "4432" || row.text == "5332")
                ? PatternGroup::Balanced
            : (row.text == "5422" || row.text == "6322") ? PatternGroup::SemiBalanced
                                                         : PatternGroup::Unbalanced;
        EXPECT_EQ(row.group, expected) << row.text;
    }
}

// A partnership's points: x aces, y kings, z queens and w jacks among
// the 16 honours, the other cards from the 36 below.
double partnershipPoints(int points) {
    double p = 0;
    for (int x = 0; x <= 4; ++x) {
        for (int y = 0; y <= 4; ++y) {
            for (int z = 0; z <= 4; ++z) {
                for (int w = 0; w <= 4; ++w) {
                    if (4 * x + 3 * y + 2 * z + w == points) {
                        p += choose(4, x) * choose(4, y) * choose(4, z) * choose(4, w) *
                             choose(36, 26 - x - y - z - w) / choose(52, 26);
                    }
                }
            }
        }
    }
    return p;
}

TEST(PointTable, EveryTotalAgainstTheHonoursCounted) {
    const PointTable hand = pointTable(PointHolder::Hand);
    const PointTable side = pointTable(PointHolder::Partnership);
    ASSERT_EQ(hand.rows.size(), 38U);
    ASSERT_EQ(side.rows.size(), 41U);
    EXPECT_EQ(hand.hands, kHands);
    EXPECT_EQ(side.hands, kPartnerships);
    const auto handOracle = odds::pointProbabilities();
    for (const auto* table : {&hand, &side}) {
        Count hands = 0;
        double atLeast = 1;
        for (const PointRow& row : table->rows) {
            const double expected = table == &hand
                                        ? handOracle[static_cast<std::size_t>(row.points)]
                                        : partnershipPoints(row.points);
            EXPECT_NEAR(row.probability, expected, 1e-15) << row.points << " points";
            EXPECT_NEAR(row.atLeast, atLeast, 1e-14) << row.points << " points";
            atLeast -= expected;
            hands += row.hands;
        }
        EXPECT_EQ(hands, table->hands);
    }
    EXPECT_TRUE(roundsTo(100 * hand.rows[10].probability, 9.405115, 1e-6));
    EXPECT_TRUE(roundsTo(100 * side.rows[25].atLeast, 17.53753, 1e-5));
}

TEST(PointTable, Bands) {
    const PointTable hand = pointTable(PointHolder::Hand);
    const auto oracle = odds::pointProbabilities();
    EXPECT_NEAR(pointBand(hand, {15, 17}).probability, oracle[15] + oracle[16] + oracle[17], 1e-15);
    EXPECT_EQ(pointBand(hand, {0, 255}).hands, kHands);
    EXPECT_EQ(pointBand(hand, {30, 255}).probability, hand.rows[30].atLeast);
    EXPECT_EQ(pointBand(hand, {14, 12}).hands, 0);
    const PointTable side = pointTable(PointHolder::Partnership);
    EXPECT_TRUE(roundsTo(100 * pointBand(side, {25, 40}).probability, 17.53753, 1e-5));
}

TEST(SuitLengthTables, LongestAndShortestAgainstEverySplit) {
    std::array<double, 14> longest{};
    std::array<double, 14> shortest{};
    odds::forEachSplit([&](int s, int h, int d, int c, double p) {
        longest[static_cast<std::size_t>(std::max({s, h, d, c}))] += p;
        shortest[static_cast<std::size_t>(std::min({s, h, d, c}))] += p;
    });
    for (const auto& [table, oracle, first, last] :
         {std::tuple{longestSuitTable(), longest, 4, 13},
          std::tuple{shortestSuitTable(), shortest, 0, 3}}) {
        ASSERT_EQ(table.size(), static_cast<std::size_t>(last - first + 1));
        Count hands = 0;
        for (const SuitLengthRow& row : table) {
            EXPECT_NEAR(row.probability, oracle[static_cast<std::size_t>(row.length)], 1e-15);
            hands += row.hands;
        }
        EXPECT_EQ(table.front().length, first);
        EXPECT_EQ(hands, kHands);
    }
}

TEST(FitTable, ReferenceValuesAndGoals) {
    EXPECT_TRUE(roundsTo(100 * fitTable(4).rows[4].atLeast, 33.65820, 1e-5));
    EXPECT_TRUE(roundsTo(100 * fitTable(5).rows[3].atLeast, 54.37272, 1e-5));
    EXPECT_TRUE(roundsTo(100 * fitTable(5).goals[0].probability, 54.37272, 1e-5))
        << "with 5, eight together is partner holding 3";

    const FitTable all = fitTable(13);
    ASSERT_EQ(all.rows.size(), 1U);
    EXPECT_EQ(all.rows[0].hands, kPartnerHands);
    for (const FitGoal& goal : all.goals) {
        EXPECT_EQ(goal.hands, kPartnerHands);
    }
    EXPECT_EQ(fitTable(200).held, 13);
}

// Partner's length given mine, as the share of the pairs of hands
// giving me `held` that also give partner `partner`, partner's hand
// dealt first: his cards of the suit and of the other 39, then mine.
TEST(FitTable, EveryRowAgainstTheTwoHandsDealtTogether) {
    for (std::uint8_t held = 0; held <= 13; ++held) {
        const FitTable table = fitTable(held);
        ASSERT_EQ(table.rows.size(), 14U - held);
        Count hands = 0;
        for (const FitRow& row : table.rows) {
            const int j = row.partner;
            const double both = choose(13, j) * choose(13 - j, held) * choose(39, 13 - j) *
                                choose(26 + j, 13 - held);
            const double mine = choose(13, held) * choose(39, 13 - held) * choose(39, 13);
            EXPECT_NEAR(row.probability, both / mine, 1e-15) << int(held) << ", " << j;
            EXPECT_EQ(row.together, held + j);
            hands += row.hands;
        }
        EXPECT_EQ(hands, kPartnerHands);
        for (const FitGoal& goal : table.goals) {
            double expected = 0;
            for (const FitRow& row : table.rows) {
                expected += row.together >= goal.together ? row.probability : 0;
            }
            EXPECT_NEAR(goal.probability, expected, 1e-14);
        }
    }
}

}  // namespace
