#include "exact/exact_hands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "exact_odds.h"

using namespace ondiscale;

namespace {

using Bornes = std::array<std::uint8_t, 11>;
constexpr Bornes kOpen{0, 0, 13, 0, 13, 0, 13, 0, 13, 0, 37};

double percent(std::int64_t hands) { return 100.0 * probabilityOf(hands); }

// Half a unit in the 7th significant digit of the reference percentage.
::testing::AssertionResult sevenDigits(double actual, double reference) {
    const double unit = std::pow(10.0, std::floor(std::log10(reference)) - 6);
    if (std::abs(actual - reference) <= unit / 2) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " %, expected " << reference << " %";
}

std::int64_t whole(double d) { return std::llround(d); }

TEST(ExactHands, ReferenceValues) {
    Bornes fiveSpades = kOpen;
    fiveSpades[1] = 5;
    fiveSpades[2] = 5;
    fiveSpades[9] = 12;
    fiveSpades[10] = 14;
    EXPECT_TRUE(sevenDigits(percent(exactHands(fiveSpades)), 2.582369));

    Bornes tenPoints = kOpen;
    tenPoints[9] = 10;
    tenPoints[10] = 10;
    EXPECT_TRUE(sevenDigits(percent(exactHands(tenPoints)), 9.405115));

    EXPECT_TRUE(sevenDigits(percent(exactHands("4432")), 21.55118));
    EXPECT_TRUE(sevenDigits(percent(exactHands("5332")), 15.51685));
}

// With every bound wide open each step of the count holds its largest
// value (all its terms are counts of hands, none negative), and the
// count is checked: if these pass, no narrower bounds can overflow.
TEST(ExactHands, WidestBoundsCountEveryHandWithoutOverflow) {
    EXPECT_EQ(exactHands(kOpen), kSouthHands);
    EXPECT_EQ(whole(odds::hands()), kSouthHands);
    const Bornes pastTheLimits{0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 255};
    EXPECT_EQ(exactHands(pastTheLimits), kSouthHands);
}

TEST(ExactHands, TheThirtyNineDistributionsAddUpToEveryHand) {
    const auto patterns = odds::patternProbabilities();
    ASSERT_EQ(patterns.size(), 39U);
    std::int64_t sum = 0;
    for (const auto& [text, p] : patterns) {
        const std::int64_t hands = exactHands(text);
        EXPECT_EQ(hands, whole(p * odds::hands())) << text;
        sum += hands;
    }
    EXPECT_EQ(sum, kSouthHands);
}

TEST(ExactHands, TheThirtyEightPointTotalsAddUpToEveryHand) {
    const auto points = odds::pointProbabilities();
    std::int64_t sum = 0;
    for (std::uint8_t h = 0; h <= 37; ++h) {
        Bornes b = kOpen;
        b[9] = h;
        b[10] = h;
        const std::int64_t hands = exactHands(b);
        EXPECT_EQ(hands, whole(points[h] * odds::hands())) << int(h) << " points";
        sum += hands;
    }
    EXPECT_EQ(sum, kSouthHands);
}

TEST(ExactHands, EverySuitHasTheSameLengthDistribution) {
    for (std::size_t suit = 0; suit < 4; ++suit) {
        for (std::uint8_t n = 0; n <= 13; ++n) {
            Bornes b = kOpen;
            b[1 + 2 * suit] = n;
            b[2 + 2 * suit] = n;
            EXPECT_EQ(exactHands(b), whole(odds::suitLength(n) * odds::hands()))
                << "suit " << suit << ", " << int(n) << " cards";
        }
    }
}

// Card bounds alone, against the splits of 13 cards summed directly.
TEST(ExactHands, CardBoundsAgreeWithTheSplits) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 50; ++trial) {
        Bornes b = kOpen;
        for (std::size_t i = 1; i <= 7; i += 2) {
            const auto low = static_cast<std::uint8_t>(random() % 8);
            b[i] = low;
            b[i + 1] = static_cast<std::uint8_t>(low + random() % 7);
        }
        double expected = 0;
        odds::forEachSplit([&](int s, int h, int d, int c, double p) {
            const std::array<int, 4> l{s, h, d, c};
            bool in = true;
            for (std::size_t k = 0; k < 4; ++k) {
                in = in && b[1 + 2 * k] <= l[k] && l[k] <= b[2 + 2 * k];
            }
            expected += in ? p : 0.0;
        });
        EXPECT_EQ(exactHands(b), whole(expected * odds::hands())) << "trial " << trial;
    }
}

TEST(ExactHands, ImpossibleBoundsAndTextsGiveZero) {
    Bornes inverted = kOpen;
    inverted[9] = 20;
    inverted[10] = 10;
    EXPECT_EQ(exactHands(inverted), 0);
    const Bornes tooShort{0, 0, 2, 0, 2, 0, 2, 0, 2, 0, 37};
    EXPECT_EQ(exactHands(tooShort), 0);
    Bornes tooManyPoints = kOpen;
    tooManyPoints[9] = 38;
    tooManyPoints[10] = 255;
    EXPECT_EQ(exactHands(tooManyPoints), 0);

    for (const char* text : {"", "4", "443", "2344", "4432 ", " 4432", "4,432", "44320", "4442",
                             "1300", "130000", "abcd", "9300", "0913", "13000x"}) {
        EXPECT_EQ(exactHands(text), 0) << '"' << text << '"';
    }
    EXPECT_EQ(exactHands("13000"), 4) << "the 13 cards of one of the four suits";
    EXPECT_GT(exactHands("12100"), 0);
    EXPECT_GT(exactHands("7600"), 0);
}

}  // namespace
