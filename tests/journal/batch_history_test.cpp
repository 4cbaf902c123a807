#include "journal/batch_history.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

// A million batches: the points stay a few thousand, in order, evenly
// spaced, and spread over the whole run.
TEST(BatchHistory, StaysBoundedOverAMillionBatches) {
    BatchHistory h;
    for (std::int64_t b = 1; b <= 1'000'000; ++b) {
        h.add(b, b * 10000, b);
        ASSERT_LE(h.points().size(), BatchHistory::kMaxPoints) << "batch " << b;
    }
    const auto& p = h.points();
    ASSERT_GE(p.size(), BatchHistory::kMaxPoints / 2);
    const std::int64_t step = p[1].batch - p[0].batch;
    EXPECT_EQ(p[0].batch, step) << "starts at the first kept batch";
    for (std::size_t i = 1; i < p.size(); ++i) {
        ASSERT_EQ(p[i].batch - p[i - 1].batch, step) << "point " << i;
        ASSERT_EQ(p[i].deals, p[i].batch * 10000);
    }
    EXPECT_GT(p.back().batch, 1'000'000 - step);
    EXPECT_LE(h.points().capacity(), BatchHistory::kMaxPoints);
}

}  // namespace
