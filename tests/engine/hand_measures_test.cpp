#include "engine/hand_measures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "exact_odds.h"
#include "hands.h"

using namespace ondiscale;
using hands::handOf;

namespace {

TEST(HandMeasures, KnownHands) {
    struct Row {
        const char* name;
        Hand hand;
        SuitLengths lengths;
        int points;
    };
    const Row rows[] = {
        {"all thirteen spades", handOf("AKQJT98765432", "", "", ""), {13, 0, 0, 0}, 10},
        {"four aces, kings, queens and a jack",
         handOf("AKQ", "AKQ", "AKQ", "AKQJ"),
         {3, 3, 3, 4},
         37},
        {"no honour", handOf("", "", "5432", "T98765432"), {0, 0, 4, 9}, 0},
        {"jacks score 1, tens nothing", handOf("JT2", "JT2", "JT2", "JT32"), {3, 3, 3, 4}, 4},
        {"each suit's lowest and highest card",
         handOf("A32", "A32", "A32", "A432"),
         {3, 3, 3, 4},
         16},
        {"bytes that are no cards count nowhere",
         {0, 1, 54, 63, 255, cardOf(Suit::Clubs, kAce), 41, 42, 43, 44, 45, 46, 47},
         {0, 0, 0, 8},
         4},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(suitLengths(row.hand), row.lengths) << row.name;
        EXPECT_EQ(highCardPoints(row.hand), row.points) << row.name;
    }
}

TEST(HandMeasures, ShapeTextOfKnownLengths) {
    struct Row {
        SuitLengths lengths;
        const char* text;
    };
    const Row rows[] = {
        {{4, 3, 3, 3}, "4333"},   {{1, 4, 4, 4}, "4441"}, {{2, 5, 4, 2}, "5422"},
        {{4, 4, 3, 2}, "4432"},   {{0, 7, 6, 0}, "7600"}, {{1, 12, 0, 0}, "12100"},
        {{0, 0, 13, 0}, "13000"}, {{3, 3, 3, 4}, "4333"}, {{10, 3, 0, 0}, "10300"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(shapeText(r.lengths), r.text) << r.text;
    }
}

// For any four lengths, not only those adding up to 13: the lengths sorted
// longest first and written one after the other.
TEST(HandMeasures, ShapeTextIsTheLengthsSortedLongestFirst) {
    for (int a = 0; a <= 14; ++a) {
        for (int b = 0; b <= 14; ++b) {
            for (int c = 0; c <= 14; ++c) {
                for (int d : {0, 1, 3, 7, 10, 13, 14, 255}) {
                    ASSERT_EQ(
                        shapeText({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                   static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)}),
                        odds::pattern(a, b, c, d))
                        << a << ' ' << b << ' ' << c << ' ' << d;
                }
            }
        }
    }
}

}  // namespace
