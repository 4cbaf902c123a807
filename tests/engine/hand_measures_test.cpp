#include "engine/hand_measures.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "exact_odds.h"

using namespace ondiscale;

namespace {

MainSud handOf(std::initializer_list<int> cards) {
    MainSud hand{};
    std::size_t i = 1;
    for (int c : cards) {
        hand[i++] = static_cast<std::uint8_t>(c);
    }
    return hand;
}

std::array<int, 4> lengthsOf(const MainSud& hand) {
    std::uint8_t p = 99;
    std::uint8_t c = 99;
    std::uint8_t k = 99;
    std::uint8_t t = 99;
    Longueurs(hand, p, c, k, t);
    return {p, c, k, t};
}

std::string formeOf(int a, int b, int c, int d) {
    return Forme(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d));
}

TEST(HandMeasures, KnownHands) {
    struct Row {
        const char* name;
        MainSud hand;
        std::array<int, 4> lengths;
        int points;
    };
    const Row rows[] = {
        {"all thirteen spades",
         handOf({41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53}),
         {13, 0, 0, 0},
         10},
        {"four aces, kings, queens and a jack",
         handOf({14, 27, 40, 53, 13, 26, 39, 52, 12, 25, 38, 51, 11}),
         {3, 3, 3, 4},
         37},
        {"no honour", handOf({2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 16, 17, 18}), {0, 0, 4, 9}, 0},
        {"jacks score 1, tens nothing",
         handOf({11, 24, 37, 50, 10, 23, 36, 49, 2, 15, 28, 41, 3}),
         {3, 3, 3, 4},
         4},
        {"suit boundaries",
         handOf({2, 14, 15, 27, 28, 40, 41, 53, 3, 16, 29, 42, 4}),
         {3, 3, 3, 4},
         16},
        {"numbers that are no cards count nowhere",
         handOf({0, 1, 54, 63, 255, 14, 2, 3, 4, 5, 6, 7, 8}),
         {0, 0, 0, 8},
         4},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(lengthsOf(row.hand), row.lengths) << row.name;
        EXPECT_EQ(PointsH(row.hand), row.points) << row.name;
    }
}

TEST(HandMeasures, LongueursStartsFromZeroWhateverTheOutputsHeld) {
    const MainSud hand = handOf({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    EXPECT_EQ(lengthsOf(hand), (std::array<int, 4>{0, 0, 0, 13}));
}

TEST(HandMeasures, FormeOfTheDesignExamples) {
    struct Row {
        int a, b, c, d;
        const char* text;
    };
    const Row rows[] = {
        {4, 3, 3, 3, "4333"}, {1, 4, 4, 4, "4441"},   {2, 5, 4, 2, "5422"},   {4, 4, 3, 2, "4432"},
        {0, 7, 6, 0, "7600"}, {1, 12, 0, 0, "12100"}, {0, 0, 13, 0, "13000"}, {3, 3, 3, 4, "4333"},
        {4, 1, 4, 4, "4441"}, {10, 3, 0, 0, "10300"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(formeOf(r.a, r.b, r.c, r.d), r.text) << r.a << r.b << r.c << r.d;
    }
}

TEST(HandMeasures, FormeIsTheLengthsSortedLongestFirstForEverySplit) {
    int splits = 0;
    odds::forEachSplit([&](int s, int h, int d, int c, double) {
        ++splits;
        EXPECT_EQ(formeOf(s, h, d, c), odds::pattern(s, h, d, c))
            << s << ' ' << h << ' ' << d << ' ' << c;
    });
    EXPECT_EQ(splits, 560);
}

// The distribution string by picking positions: the last position holding
// the longest length, the last other one holding the shortest, then the
// two middle positions, the larger middle length first.
std::string formeByPositions(std::array<std::uint8_t, 5> len) {
    const auto most = Max4(len[1], len[2], len[3], len[4]);
    const auto least = Min4(len[1], len[2], len[3], len[4]);
    std::size_t longest = 0;
    std::size_t shortest = 0;
    std::size_t middle1 = 0;
    std::size_t middle2 = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        if (len[i] == most) {
            longest = i;
        } else if (len[i] == least) {
            shortest = i;
        }
    }
    if (shortest == 0) {
        shortest = longest == 1 ? 2 : 1;  // four equal lengths
    }
    for (std::size_t i = 1; i <= 4; ++i) {
        if (i != longest && i != shortest) {
            middle1 = i;
        }
    }
    for (std::size_t i = 1; i <= 4; ++i) {
        if (i != longest && i != shortest && i != middle1) {
            middle2 = i;
        }
    }
    return std::to_string(len[longest]) + std::to_string(Max2(len[middle1], len[middle2])) +
           std::to_string(Min2(len[middle1], len[middle2])) + std::to_string(len[shortest]);
}

TEST(HandMeasures, FormeAgreesWithPickingPositionsForAnyFourLengths) {
    for (int a = 0; a <= 14; ++a) {
        for (int b = 0; b <= 14; ++b) {
            for (int c = 0; c <= 14; ++c) {
                for (int d : {0, 1, 3, 7, 10, 13, 14, 255}) {
                    const std::array<std::uint8_t, 5> len{
                        0, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                        static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)};
                    ASSERT_EQ(formeOf(a, b, c, d), formeByPositions(len))
                        << a << ' ' << b << ' ' << c << ' ' << d;
                }
            }
        }
    }
}

TEST(HandMeasures, MinimaAndMaxima) {
    EXPECT_EQ(Max2(3, 7), 7);
    EXPECT_EQ(Max2(7, 3), 7);
    EXPECT_EQ(Min2(3, 7), 3);
    EXPECT_EQ(Min2(7, 3), 3);
    EXPECT_EQ(Max4(1, 9, 4, 255), 255);
    EXPECT_EQ(Max4(9, 1, 4, 2), 9);
    EXPECT_EQ(Min3(5, 0, 9), 0);
    EXPECT_EQ(Min4(5, 6, 9, 2), 2);
    EXPECT_EQ(Min4(0, 6, 9, 2), 0);
}

}  // namespace
