#include "stats/margins.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ondiscale;

namespace {

TEST(Wilson, AtItsEdges) {
    const double z2 = 1.959964 * 1.959964;
    struct Row {
        const char* what;
        std::int64_t hits, deals;
        double low, high;
    };
    // With no hit the interval is [0, z²/(n + z²)]; with all hits it is
    // [n/(n + z²), 1]; with half the hits, 0.5 ± z / (2 sqrt(n + z²)).
    const Row rows[] = {
        {"no deal yet", 0, 0, 0, 1},
        {"0 hits, one batch", 0, 100000, 0, z2 / (100000 + z2)},
        {"all hits, one batch", 100000, 100000, 100000 / (100000 + z2), 1},
        {"0 hits in 1 deal", 0, 1, 0, z2 / (1 + z2)},
        {"1 hit in 1 deal", 1, 1, 1 / (1 + z2), 1},
        {"half of one batch", 50000, 100000, 0.5 - 1.959964 / (2 * std::sqrt(100000 + z2)),
         0.5 + 1.959964 / (2 * std::sqrt(100000 + z2))},
        {"half of one survey batch", 5000, 10000, 0.5 - 1.959964 / (2 * std::sqrt(10000 + z2)),
         0.5 + 1.959964 / (2 * std::sqrt(10000 + z2))},
    };
    for (const Row& r : rows) {
        const Interval i = wilson95(r.hits, r.deals);
        EXPECT_NEAR(i.low, r.low, 1e-6) << r.what;
        EXPECT_NEAR(i.high, r.high, 1e-6) << r.what;
        EXPECT_GE(i.low, 0.0) << r.what;
        EXPECT_LE(i.high, 1.0) << r.what;
    }
    EXPECT_EQ(wilson95(0, 100000).low, 0.0) << "exactly 0, not a rounding below it";
    EXPECT_EQ(wilson95(100000, 100000).high, 1.0);
}

TEST(Gap, InStandardDeviationsOfTheEstimate) {
    // p = 0.2 over 10000 deals: one standard deviation is 0.004, 40 hits.
    EXPECT_NEAR(gapInSigmas(2000, 10000, 0.2), 0.0, 1e-12);
    EXPECT_NEAR(gapInSigmas(2080, 10000, 0.2), 2.0, 1e-9);
    EXPECT_NEAR(gapInSigmas(1960, 10000, 0.2), -1.0, 1e-9);
    EXPECT_EQ(gapInSigmas(0, 10000, 0.0), 0.0) << "an impossible figure is never seen";
    EXPECT_EQ(gapInSigmas(10000, 10000, 1.0), 0.0) << "a sure one always is";
    EXPECT_EQ(gapInSigmas(0, 0, 0.5), 0.0) << "no deal yet";
}

}  // namespace
