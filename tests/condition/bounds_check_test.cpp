#include "condition/bounds_check.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "text_fuzz.h"

using namespace ondiscale;

namespace {

// The ten boxes in the window's order: spades, hearts, diamonds and clubs,
// each minimum then maximum, then the points.
using Boxes = std::array<std::string, 10>;

BoundTexts textsFrom(const Boxes& b) {
    BoundTexts t;
    for (std::size_t s = 0; s < 4; ++s) {
        t.suits[s] = {b[2 * s], b[2 * s + 1]};
    }
    t.points = {b[8], b[9]};
    return t;
}

HandBounds bounds(std::array<int, 10> v) {
    HandBounds b;
    for (std::size_t s = 0; s < 4; ++s) {
        b.suits[s] = {static_cast<std::uint8_t>(v[2 * s]), static_cast<std::uint8_t>(v[2 * s + 1])};
    }
    b.points = {static_cast<std::uint8_t>(v[8]), static_cast<std::uint8_t>(v[9])};
    return b;
}

TEST(BoxValue, WholeNumbersFromZeroTo255AndNothingElse) {
    EXPECT_EQ(boxValue("0"), 0);
    EXPECT_EQ(boxValue("13"), 13);
    EXPECT_EQ(boxValue("  7  "), 7);
    EXPECT_EQ(boxValue("007"), 7);
    EXPECT_EQ(boxValue("255"), 255);
    for (const char* bad : {"", "   ", "a", "5a", "-1", "+1", "1.5", "1,5", "1e1", "256", "1000",
                            "99999999999999999999999", "1 2", "\t5", "five", "٣", "0x1", "½"}) {
        EXPECT_FALSE(boxValue(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(CheckBounds, WhichGroupIsRejectedAndTheBoundsOtherwise) {
    struct Row {
        const char* name;
        Boxes typed;
        bool cards;   // rejected
        bool points;  // rejected
    };
    const Row rows[] = {
        {"defaults", {"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, false, false},
        {"minima 4 4 4 1 add up to 13",
         {"4", "13", "4", "13", "4", "13", "1", "13", "0", "37"},
         false,
         false},
        {"minima 4 4 4 2 add up to 14",
         {"4", "13", "4", "13", "4", "13", "2", "13", "5", "30"},
         true,
         false},
        {"spade maximum below its minimum",
         {"6", "5", "0", "13", "0", "13", "0", "13", "12", "14"},
         true,
         false},
        {"club maximum below its minimum",
         {"0", "13", "0", "13", "0", "13", "3", "2", "0", "37"},
         true,
         false},
        {"a heart minimum of 14",
         {"0", "13", "14", "13", "0", "13", "0", "13", "0", "37"},
         true,
         false},
        {"cards and points out of range",
         {"0", "13", "14", "13", "0", "13", "0", "13", "0", "38"},
         true,
         true},
        {"points 37 to 37", {"0", "13", "0", "13", "0", "13", "0", "13", "37", "37"}, false, false},
        {"points 38 to 38", {"3", "5", "0", "13", "0", "13", "0", "13", "38", "38"}, false, true},
        {"points 20 to 10", {"0", "13", "0", "13", "0", "13", "0", "13", "20", "10"}, false, true},
        {"maxima 2 2 2 2: accepted, no hand can meet them",
         {"0", "2", "0", "2", "0", "2", "0", "2", "0", "37"},
         false,
         false},
        {"exactly 13 in one suit",
         {"13", "13", "0", "0", "0", "0", "0", "0", "0", "37"},
         false,
         false},
        {"a club maximum of 200",
         {"0", "13", "0", "13", "0", "13", "0", "200", "0", "37"},
         true,
         false},
        {"letters for the points",
         {"0", "13", "0", "13", "0", "13", "0", "13", "abc", "37"},
         false,
         true},
        {"an empty spade box", {"", "13", "0", "13", "0", "13", "0", "13", "0", "37"}, true, false},
    };
    for (const auto& row : rows) {
        const BoundsCheck check = checkBounds(textsFrom(row.typed));
        EXPECT_EQ(check.cardsRejected, row.cards) << row.name;
        EXPECT_EQ(check.pointsRejected, row.points) << row.name;
        EXPECT_EQ(check.bounds.has_value(), !row.cards && !row.points) << row.name;
    }
    const auto valid =
        checkBounds(textsFrom({" 1", "2 ", "3", "4", "5", "6", "0", "7", "8", "09"}));
    ASSERT_TRUE(valid.bounds.has_value());
    EXPECT_EQ(*valid.bounds, bounds({1, 2, 3, 4, 5, 6, 0, 7, 8, 9}));
}

TEST(CheckBounds, TheDefaultTextsAreTheDefaultBounds) {
    const Boxes defaults{"0", "13", "0", "13", "0", "13", "0", "13", "0", "37"};
    EXPECT_EQ(textsOf(HandBounds{}), textsFrom(defaults));
    EXPECT_EQ(checkBounds(textsFrom(defaults)).bounds, HandBounds{});
}

// Whatever the boxes hold, the check never throws, and it gives bounds
// exactly when each group passes the rules, read here from the values.
TEST(CheckBounds, AnyTextsGetTheVerdictOfTheRules) {
    TextFuzz fuzz(20261207);
    int accepted = 0;
    for (int round = 0; round < 300'000; ++round) {
        Boxes typed;
        for (std::size_t i = 0; i < 10; ++i) {
            const std::size_t plausible = i >= 8 ? (i == 8 ? fuzz.pick(20) : 15 + fuzz.pick(24))
                                                 : (i % 2 == 0 ? fuzz.pick(4) : 3 + fuzz.pick(12));
            typed[i] =
                fuzz.pick(round % 2 == 0 ? 2 : 30) == 0 ? fuzz.next() : std::to_string(plausible);
        }
        BoundsCheck check;
        ASSERT_NO_THROW(check = checkBounds(textsFrom(typed))) << round;

        std::array<int, 10> v{};
        bool cardsOk = true;
        bool pointsOk = true;
        for (std::size_t i = 0; i < 10; ++i) {
            const auto value = boxValue(typed[i]);
            v[i] = value ? *value : 999;
            (i < 8 ? cardsOk : pointsOk) &= v[i] <= (i < 8 ? 13 : 37);
        }
        for (std::size_t s = 0; s < 4; ++s) {
            cardsOk = cardsOk && v[2 * s] <= v[2 * s + 1];
        }
        cardsOk = cardsOk && v[0] + v[2] + v[4] + v[6] <= 13;
        pointsOk = pointsOk && v[8] <= v[9];
        ASSERT_EQ(check.cardsRejected, !cardsOk) << round;
        ASSERT_EQ(check.pointsRejected, !pointsOk) << round;
        if (cardsOk && pointsOk) {
            ++accepted;
            ASSERT_EQ(check.bounds, bounds(v)) << round;
        }
    }
    EXPECT_GT(accepted, 1000) << "the generator gives valid bounds often enough";
}

}  // namespace
