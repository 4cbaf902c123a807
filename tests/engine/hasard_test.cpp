#include "engine/hasard.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/generator.h"
#include "exact_odds.h"

using ondiscale::hasard;

namespace {

TEST(Hasard, StartsWithAnEmptyRangeAtZero) {
    const hasard h;
    EXPECT_EQ(h.Smallest, 0);
    EXPECT_EQ(h.Largest, 0);
    EXPECT_EQ(h.Value(), 0);
}

TEST(Hasard, ValuesStayInsideTheRangeAndDegenerateRangesGiveSmallest) {
    struct Row {
        std::int16_t smallest, largest, low, high;
    };
    const std::array<Row, 6> rows{{
        {2, 53, 2, 53},
        {7, 7, 7, 7},  // width 1
        {8, 7, 8, 8},  // width 0: always Smallest
        {-32768, -32768, -32768, -32768},
        {0, 32766, 0, 32766},  // the widest range that fits
        {-100, -90, -100, -90},
    }};
    for (const auto& row : rows) {
        hasard h;
        h.Smallest = row.smallest;
        h.Largest = row.largest;
        for (int i = 0; i < 20000; ++i) {
            const auto v = h.Value();
            ASSERT_GE(v, row.low) << row.smallest << ".." << row.largest;
            ASSERT_LE(v, row.high) << row.smallest << ".." << row.largest;
        }
    }
}

TEST(Hasard, WidthOutsideSixteenBitsThrowsInsteadOfWrapping) {
    const std::array<std::pair<std::int16_t, std::int16_t>, 4> rows{{
        {-32768, 32767},  // the subtraction overflows
        {-32768, -1},     // 32767 + 1 overflows
        {0, 32767},
        {32767, -32768},  // negative width below -32768
    }};
    for (const auto& [smallest, largest] : rows) {
        hasard h;
        h.Smallest = smallest;
        h.Largest = largest;
        EXPECT_THROW((void)h.Value(), std::overflow_error) << smallest << ".." << largest;
    }
}

// Value's integer shortcut against the floating-point steps: the
// single-precision r = m / 2^24 times n in double precision, floored.
TEST(Hasard, FloorAgreesWithTheFloatingPointStepsForEveryGeneratorValue) {
    for (const std::int16_t n : {std::int16_t{1}, std::int16_t{52}, std::int16_t{32767},
                                 std::int16_t{0}, std::int16_t{-7}, std::int16_t{-32768}}) {
        for (std::uint32_t m = 0; m < (1U << 24); ++m) {
            const float r = static_cast<float>(m) * 0x1.0p-24F;
            const auto expected = static_cast<std::int32_t>(std::floor(static_cast<double>(r) * n));
            ASSERT_EQ(hasard::Floor(m, n), expected) << "m " << m << " n " << n;
        }
    }
}

TEST(Hasard, EveryCardNumberIsEquallyLikely) {
    hasard h;
    h.Smallest = 2;
    h.Largest = 53;
    constexpr long long reads = 1'040'000;
    std::array<long long, 54> seen{};
    for (long long i = 0; i < reads; ++i) {
        ++seen[static_cast<std::size_t>(h.Value())];
    }
    for (std::size_t v = 2; v <= 53; ++v) {
        EXPECT_TRUE(odds::agrees(seen[v], reads, 1.0 / 52)) << "value " << v;
    }
}

TEST(Generator, ValuesLieInTheUnitIntervalWithTheRightMean) {
    double sum = 0;
    constexpr int n = 1'000'000;
    for (int i = 0; i < n; ++i) {
        const float r = ondiscale::generator::next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        sum += r;
    }
    // Uniform on [0, 1): mean 1/2, standard deviation of the mean sqrt(1/12/n).
    EXPECT_NEAR(sum / n, 0.5, 5 * std::sqrt(1.0 / 12 / n));
}

TEST(Generator, ReseedingWithTheSameReadingNeverReturnsToAnEarlierSequence) {
    std::array<float, 8> previous{};
    for (int round = 0; round < 1000; ++round) {
        ondiscale::generator::reseed(123456789);
        std::array<float, 8> now{};
        for (auto& v : now) {
            v = ondiscale::generator::next();
        }
        ASSERT_NE(now, previous) << "round " << round;
        previous = now;
    }
}

// The clock reading is mixed into the key: from one state, two readings
// lead to two different sequences.
TEST(Generator, TheClockReadingDecidesWhatFollows) {
    namespace generator = ondiscale::generator;
    const generator::WyRand start = generator::process;
    std::array<std::array<std::uint32_t, 4>, 2> after{};
    for (std::size_t reading = 0; reading < 2; ++reading) {
        generator::process = start;
        generator::reseed(1'700'000'000'000'000'000ULL + reading);
        for (auto& v : after[reading]) {
            v = generator::next24();
        }
    }
    EXPECT_NE(after[0], after[1]);
}

}  // namespace
