#include "journal/hand_text.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

TEST(HandText, HighToLowWithFrenchHonoursAndADashForAVoid) {
    // Spades A K Q J 10 2, hearts J 5, diamonds A 8 7 4, clubs K: cards
    // are 13 × suit + rank, suits 3 spades to 0 clubs.
    const MainSud hand{0, 41, 53, 49, 52, 50, 51, 37, 31, 27, 21, 20, 17, 13};
    struct Row {
        int suit;
        const char* text;
    };
    const Row rows[] = {{3, "A R D V 10 2"}, {2, "V 5"}, {1, "A 8 7 4"}, {0, "R"}};
    for (const Row& r : rows) {
        EXPECT_EQ(suitText(hand, r.suit), r.text) << "suit " << r.suit;
    }
    const MainSud spades{0, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53};
    EXPECT_EQ(suitText(spades, 3), "A R D V 10 9 8 7 6 5 4 3 2");
    EXPECT_EQ(suitText(spades, 2), "—");
    EXPECT_EQ(suitText(spades, 0), "—");
}

}  // namespace
