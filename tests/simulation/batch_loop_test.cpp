// The one batch loop and its ring of kept deals: the counts, the bar, and
// the last hits newest first around the ring.
#include "simulation/batch_loop.h"

#include <gtest/gtest.h>

#include "fake_progress.h"

using namespace ondiscale;

namespace {

// Each place dealt gets the deal's number; deal n meets the known part
// when n is even, both parts when n is a multiple of 6.
struct Numbered {
    int dealt = 0;
    Outcome operator()(int& place) {
        place = ++dealt;
        return {dealt % 2 == 0 ? 1U : 0U, dealt % 6 == 0 ? 1U : 0U};
    }
};

TEST(BatchLoop, CountsKeepsTheLastHitsNewestFirstAndMovesTheBar) {
    struct Row {
        std::size_t capacity;
        int batches;
        std::vector<int> newestFive;
        std::size_t kept;
        int oldest;
    };
    const Row rows[] = {
        {5, 1, {99996, 99990, 99984, 99978, 99972}, 5, 99972},
        {5, 2, {199998, 199992, 199986, 199980, 199974}, 5, 199974},
        {100'000, 1, {99996, 99990, 99984, 99978, 99972}, 16'666, 6},
        {20'000, 2, {199998, 199992, 199986, 199980, 199974}, 20'000, 80'004},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.capacity);
        KeptRing<int> kept(r.capacity);
        FakeProgress progress;
        Numbered numbered;
        for (int b = 0; b < r.batches; ++b) {
            const BatchCount count = dealBatch(kept, progress, numbered);
            EXPECT_EQ(count.known, 50'000);
            EXPECT_EQ(count.hits, b == 0 ? 16'666 : 16'667);
        }
        EXPECT_EQ(kept.newest(5), r.newestFive);
        EXPECT_EQ(kept.size(), r.kept);
        const std::vector<int> all = kept.newest(1'000'000);
        ASSERT_EQ(all.size(), r.kept);
        EXPECT_EQ(all.back(), r.oldest);
    }
}

TEST(BatchLoop, TheBarEveryThousandDealsAndAtZeroAtTheEnd) {
    KeptRing<int> kept(5);
    FakeProgress progress;
    Numbered numbered;
    dealBatch(kept, progress, numbered);
    ASSERT_EQ(progress.log.size(), 100U);
    for (std::size_t i = 0; i + 1 < progress.log.size(); ++i) {
        EXPECT_EQ(progress.log[i], static_cast<int>(i + 1));
    }
    EXPECT_EQ(progress.log.back(), 0);
}

TEST(BatchLoop, NoHitKeepsNothing) {
    KeptRing<int> kept(5);
    FakeProgress progress;
    const BatchCount count = dealBatch(kept, progress, [](int& place) {
        place = 1;
        return Outcome{1, 0};
    });
    EXPECT_EQ(count.known, 100'000);
    EXPECT_EQ(count.hits, 0);
    EXPECT_EQ(kept.size(), 0U);
    EXPECT_TRUE(kept.newest(5).empty());
}

}  // namespace
