#include "exact/exact_hands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "exact_odds.h"

using namespace ondiscale;

namespace {

constexpr HandBounds kOpen{};

HandBounds withPoints(std::uint8_t min, std::uint8_t max) {
    HandBounds b;
    b.points = {min, max};
    return b;
}

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
    HandBounds fiveSpades = withPoints(12, 14);
    fiveSpades.suit(Suit::Spades) = {5, 5};
    EXPECT_TRUE(sevenDigits(percent(exactHands(fiveSpades)), 2.582369));
    EXPECT_TRUE(sevenDigits(percent(exactHands(withPoints(10, 10))), 9.405115));

    EXPECT_TRUE(sevenDigits(percent(exactHands("4432")), 21.55118));
    EXPECT_TRUE(sevenDigits(percent(exactHands("5332")), 15.51685));
}

// With every bound wide open each step of the count holds its largest
// value (all its terms are counts of hands, none negative), and the
// count is checked: if these pass, no narrower bounds can overflow.
TEST(ExactHands, WidestBoundsCountEveryHandWithoutOverflow) {
    EXPECT_EQ(exactHands(kOpen), kHandCount);
    EXPECT_EQ(whole(odds::hands()), kHandCount);
    const HandBounds pastTheLimits{{{{0, 255}, {0, 255}, {0, 255}, {0, 255}}}, {0, 255}};
    EXPECT_EQ(exactHands(pastTheLimits), kHandCount);
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
    EXPECT_EQ(sum, kHandCount);
}

TEST(ExactHands, TheThirtyEightPointTotalsAddUpToEveryHand) {
    const auto points = odds::pointProbabilities();
    std::int64_t sum = 0;
    for (std::uint8_t h = 0; h <= 37; ++h) {
        const std::int64_t hands = exactHands(withPoints(h, h));
        EXPECT_EQ(hands, whole(points[h] * odds::hands())) << int(h) << " points";
        sum += hands;
    }
    EXPECT_EQ(sum, kHandCount);
}

TEST(ExactHands, EverySuitHasTheSameLengthDistribution) {
    for (const Suit suit : kSuits) {
        for (std::uint8_t n = 0; n <= 13; ++n) {
            HandBounds b;
            b.suit(suit) = {n, n};
            EXPECT_EQ(exactHands(b), whole(odds::suitLength(n) * odds::hands()))
                << "suit " << index(suit) << ", " << int(n) << " cards";
        }
    }
}

// Card bounds alone, against the splits of 13 cards summed directly.
TEST(ExactHands, CardBoundsAgreeWithTheSplits) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 50; ++trial) {
        HandBounds b;
        for (Range& r : b.suits) {
            const auto low = static_cast<std::uint8_t>(random() % 8);
            r = {low, static_cast<std::uint8_t>(low + random() % 7)};
        }
        double expected = 0;
        odds::forEachSplit([&](int s, int h, int d, int c, double p) {
            const std::array<int, 4> l{s, h, d, c};
            bool in = true;
            for (std::size_t k = 0; k < 4; ++k) {
                in = in && b.suits[k].contains(static_cast<unsigned>(l[k]));
            }
            expected += in ? p : 0.0;
        });
        EXPECT_EQ(exactHands(b), whole(expected * odds::hands())) << "trial " << trial;
    }
}

TEST(ExactHands, ImpossibleBoundsAndTextsGiveZero) {
    EXPECT_EQ(exactHands(withPoints(20, 10)), 0);
    const HandBounds tooShort{{{{0, 2}, {0, 2}, {0, 2}, {0, 2}}}, {0, 37}};
    EXPECT_EQ(exactHands(tooShort), 0);
    EXPECT_EQ(exactHands(withPoints(38, 255)), 0);

    for (const char* text : {"", "4", "443", "2344", "4432 ", " 4432", "4,432", "44320", "4442",
                             "1300", "130000", "abcd", "9300", "0913", "13000x"}) {
        EXPECT_EQ(exactHands(text), 0) << '"' << text << '"';
    }
    EXPECT_EQ(exactHands("13000"), 4) << "the 13 cards of one of the four suits";
    EXPECT_GT(exactHands("12100"), 0);
    EXPECT_GT(exactHands("7600"), 0);
}

}  // namespace
