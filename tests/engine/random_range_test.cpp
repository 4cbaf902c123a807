#include "engine/random_range.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "exact_odds.h"

using namespace ondiscale;

namespace {

TEST(RandomRange, ValuesStayInsideTheRangeAndDegenerateRangesGiveTheLowest) {
    struct Row {
        std::int16_t lowest, highest, low, high;
    };
    const std::array<Row, 7> rows{{
        {0, 0, 0, 0},  // as constructed
        {2, 53, 2, 53},
        {7, 7, 7, 7},  // width 1
        {8, 7, 8, 8},  // width 0: always the lowest
        {-32768, -32768, -32768, -32768},
        {0, 32766, 0, 32766},  // the widest range that fits
        {-100, -90, -100, -90},
    }};
    Generator generator = Generator::seeded(1);
    for (const auto& row : rows) {
        const RandomRange range{row.lowest, row.highest};
        for (int i = 0; i < 20000; ++i) {
            const auto v = range.draw(generator);
            ASSERT_GE(v, row.low) << row.lowest << ".." << row.highest;
            ASSERT_LE(v, row.high) << row.lowest << ".." << row.highest;
        }
    }
}

TEST(RandomRange, WidthOutsideSixteenBitsThrowsInsteadOfWrapping) {
    const std::array<RandomRange, 4> rows{{
        {-32768, 32767},  // the subtraction overflows
        {-32768, -1},     // 32767 + 1 overflows
        {0, 32767},
        {32767, -32768},  // negative width below -32768
    }};
    Generator generator = Generator::seeded(2);
    for (const auto& range : rows) {
        const Generator before = generator;
        EXPECT_THROW((void)range.draw(generator), std::overflow_error)
            << range.lowest << ".." << range.highest;
        EXPECT_NE(generator, before) << "the value is consumed all the same";
    }
}

// The integer shortcut against the floating-point steps: the
// single-precision r = m / 2^24 times n in double precision, floored.
TEST(RandomRange, ScaledFloorAgreesWithTheFloatingPointStepsForEveryGeneratorValue) {
    for (const std::int16_t n : {std::int16_t{1}, std::int16_t{52}, std::int16_t{32767},
                                 std::int16_t{0}, std::int16_t{-7}, std::int16_t{-32768}}) {
        for (std::uint32_t m = 0; m < (1U << 24); ++m) {
            const float r = static_cast<float>(m) * 0x1.0p-24F;
            const auto expected = static_cast<std::int32_t>(std::floor(static_cast<double>(r) * n));
            ASSERT_EQ(RandomRange::scaledFloor(m, n), expected) << "m " << m << " n " << n;
        }
    }
}

TEST(RandomRange, EveryCardNumberIsEquallyLikely) {
    const RandomRange range{2, 53};
    Generator generator = Generator::fromEntropy();
    constexpr long long draws = 1'040'000;
    std::array<long long, 54> seen{};
    for (long long i = 0; i < draws; ++i) {
        ++seen[static_cast<std::size_t>(range.draw(generator))];
    }
    for (std::size_t v = 2; v <= 53; ++v) {
        EXPECT_TRUE(odds::agrees(seen[v], draws, 1.0 / 52)) << "value " << v;
    }
}

TEST(Generator, ValuesLieInTheUnitIntervalWithTheRightMean) {
    Generator generator = Generator::fromEntropy();
    double sum = 0;
    constexpr int n = 1'000'000;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t m = generator.next24();
        ASSERT_LT(m, 1U << 24);
        sum += m * 0x1.0p-24;
    }
    // Uniform on [0, 1): mean 1/2, standard deviation of the mean sqrt(1/12/n).
    EXPECT_NEAR(sum / n, 0.5, 5 * std::sqrt(1.0 / 12 / n));
}

TEST(Generator, ReseedingWithTheSameReadingNeverReturnsToAnEarlierSequence) {
    Generator generator = Generator::seeded(3);
    std::array<std::uint32_t, 8> previous{};
    for (int round = 0; round < 1000; ++round) {
        generator.reseed(123456789);
        std::array<std::uint32_t, 8> now{};
        for (auto& v : now) {
            v = generator.next24();
        }
        ASSERT_NE(now, previous) << "round " << round;
        previous = now;
    }
}

// From one state, two clock readings lead to two different sequences, and
// two seeds to two different generators.
TEST(Generator, TheSeedAndTheClockReadingDecideWhatFollows) {
    const auto after = [](std::uint64_t seed, std::uint64_t reading) {
        Generator generator = Generator::seeded(seed);
        generator.reseed(reading);
        std::array<std::uint32_t, 4> values{};
        for (auto& v : values) {
            v = generator.next24();
        }
        return values;
    };
    constexpr std::uint64_t kReading = 1'700'000'000'000'000'000ULL;
    EXPECT_EQ(after(5, kReading), after(5, kReading));
    EXPECT_NE(after(5, kReading), after(5, kReading + 1));
    EXPECT_NE(after(5, kReading), after(6, kReading));
}

}  // namespace
