#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "exact/split_table.h"
#include "exact_odds.h"

using namespace ondiscale;
using odds::choose;
using odds::roundsTo;

namespace {

constexpr Count kOpponentHoldings = 10'400'600; // C(26, 13)

const SplitRow &splitOf(const SplitTable &table, int missing, int longer) {
  const auto row = std::find_if(
      table.rows.begin(), table.rows.end(), [&](const SplitRow &r) {
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
  const Row printed[] = {
      {5, 3, 67.83}, {5, 4, 28.26}, {5, 5, 3.91},  {6, 4, 48.45}, {6, 3, 35.53},
      {6, 5, 14.53}, {6, 6, 1.49},  {7, 4, 62.17}, {7, 5, 30.52}, {8, 5, 47.12},
      {8, 4, 32.72}, {4, 3, 49.74}, {4, 2, 40.70}, {4, 4, 9.57}};
  const SplitTable table = splitTable();
  EXPECT_TRUE(table.aPriori());
  EXPECT_EQ(table.holdings, kOpponentHoldings);
  for (const Row &row : printed) {
    EXPECT_TRUE(
        roundsTo(100 * splitOf(table, row.missing, row.longer).probability,
                 row.percent, 0.01))
        << row.missing << " missing, " << row.longer << "-"
        << row.missing - row.longer;
  }
  const SplitRow &threeTwo = splitOf(table, 5, 3);
  EXPECT_EQ(threeTwo.layouts, 20);
  EXPECT_TRUE(
      roundsTo(100 * threeTwo.westLonger.layoutProbability, 3.39, 0.01));
  EXPECT_DOUBLE_EQ(threeTwo.westLonger.layoutProbability,
                   threeTwo.eastLonger.layoutProbability);
}

// Each missing number's splits share out every holding of West's and,
// both ways, every one of the 2^missing layouts exactly once.
TEST(SplitTable, EachMissingNumberAddsUpToEveryHoldingAndLayout) {
  for (const VacantPlaces places :
       {VacantPlaces{}, VacantPlaces{7, 13}, VacantPlaces{3, 9}}) {
    const SplitTable table = splitTable(places);
    EXPECT_EQ(table.holdings,
              std::llround(choose(places.west + places.east, places.west)));
    for (int missing = 1; missing <= std::min(13, places.west + places.east);
         ++missing) {
      Count holdings = 0;
      Count layouts = 0;
      double probability = 0;
      for (const SplitRow &row : table.rows) {
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
  const SplitRow &twoNil = splitOf(table, 2, 2);
  EXPECT_NEAR(twoNil.westLonger.probability, 21.0 / 190, 1e-15);
  EXPECT_NEAR(twoNil.eastLonger.probability, 78.0 / 190, 1e-15);
  EXPECT_NEAR(splitOf(table, 2, 1).probability, 91.0 / 190, 1e-15);

  // Every way, as the share of the unseen cards' places: West's w of
  // the missing cards in his 7 places, East's the rest in his 13.
  for (const SplitRow &row : table.rows) {
    for (const SplitWay &way : {row.westLonger, row.eastLonger}) {
      const double expected =
          choose(7, way.west) * choose(13, way.east) / choose(20, row.missing);
      EXPECT_NEAR(way.probability, expected, 1e-14)
          << way.west << "-" << way.east;
      EXPECT_NEAR(way.layoutProbability * static_cast<double>(way.layouts),
                  expected, 1e-14);
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
    for (const SplitRow &row : splitTable({v, v}).rows) {
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

} // namespace
