// The dealt hands against the exact odds of bridge.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "engine/dealer.h"
#include "engine/hand_measures.h"
#include "exact_odds.h"

using namespace ondiscale;

namespace {

TEST(Statistics, DistributionsAndPointTotalsMatchTheExactOdds) {
    constexpr long long deals = 1'000'000;
    Dealer dealer;
    Hand hand{};
    std::map<std::string, long long> patterns;
    std::array<long long, 38> points{};
    std::array<std::array<long long, 14>, 4> lengthCounts{};
    for (long long n = 0; n < deals; ++n) {
        dealer.dealSouth(hand);
        const SuitLengths lengths = suitLengths(hand);
        ASSERT_EQ(lengths[0] + lengths[1] + lengths[2] + lengths[3], 13);
        ++patterns[shapeText(lengths)];
        const auto hcp = highCardPoints(hand);
        ASSERT_LE(hcp, 37);
        ++points[hcp];
        for (std::size_t suit = 0; suit < 4; ++suit) {
            ++lengthCounts[suit][lengths[suit]];
        }
    }

    const auto exact = odds::patternProbabilities();
    ASSERT_EQ(exact.size(), 39U);
    for (const auto& [shape, probability] : exact) {
        EXPECT_TRUE(odds::agrees(patterns[shape], deals, probability)) << shape;
    }
    EXPECT_LE(patterns.size(), exact.size()) << "no distribution outside the 39";

    const auto exactPoints = odds::pointProbabilities();
    for (std::size_t total = 0; total <= 37; ++total) {
        EXPECT_TRUE(odds::agrees(points[total], deals, exactPoints[total])) << total << " points";
    }

    for (std::size_t suit = 0; suit < 4; ++suit) {
        for (int n = 0; n <= 13; ++n) {
            EXPECT_TRUE(odds::agrees(lengthCounts[suit][static_cast<std::size_t>(n)], deals,
                                     odds::suitLength(n)))
                << "suit " << suit << " length " << n;
        }
    }
}

}  // namespace
