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
    MainSud hand{};
    std::map<std::string, long long> patterns;
    std::array<long long, 38> points{};
    std::array<std::array<long long, 14>, 4> suitLengths{};
    for (long long n = 0; n < deals; ++n) {
        dealer.TirageS(hand);
        const auto [p, c, k, t] = Lengths(hand);
        ASSERT_EQ(p + c + k + t, 13);
        ++patterns[Forme(p, c, k, t)];
        const auto hcp = PointsH(hand);
        ASSERT_LE(hcp, 37);
        ++points[hcp];
        ++suitLengths[0][p];
        ++suitLengths[1][c];
        ++suitLengths[2][k];
        ++suitLengths[3][t];
    }

    const auto exact = odds::patternProbabilities();
    ASSERT_EQ(exact.size(), 39U);
    for (const auto& [shape, probability] : exact) {
        EXPECT_TRUE(odds::agrees(patterns[shape], deals, probability)) << shape;
    }
    EXPECT_EQ(patterns.size() <= exact.size(), true) << "no distribution outside the 39";

    const auto exactPoints = odds::pointProbabilities();
    for (std::size_t total = 0; total <= 37; ++total) {
        EXPECT_TRUE(odds::agrees(points[total], deals, exactPoints[total])) << total << " points";
    }

    for (std::size_t suit = 0; suit < 4; ++suit) {
        for (int n = 0; n <= 13; ++n) {
            EXPECT_TRUE(odds::agrees(suitLengths[suit][static_cast<std::size_t>(n)], deals,
                                     odds::suitLength(n)))
                << "suit " << suit << " length " << n;
        }
    }
}

}  // namespace
