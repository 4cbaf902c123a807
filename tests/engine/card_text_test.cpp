#include "engine/card_text.h"

#include <gtest/gtest.h>

#include "hands.h"

using namespace ondiscale;
using hands::handOf;

namespace {

TEST(CardText, HighToLowWithFrenchHonoursAndADashForAVoid) {
    struct Row {
        Hand hand;
        Suit suit;
        const char* text;
    };
    const Hand mixed = handOf("AKQJT2", "J5", "A874", "K");
    const Hand spades = handOf("AKQJT98765432", "", "", "");
    const Row rows[] = {
        {mixed, Suit::Spades, "A R D V 10 2"},
        {mixed, Suit::Hearts, "V 5"},
        {mixed, Suit::Diamonds, "A 8 7 4"},
        {mixed, Suit::Clubs, "R"},
        {spades, Suit::Spades, "A R D V 10 9 8 7 6 5 4 3 2"},
        {spades, Suit::Hearts, "—"},
        {spades, Suit::Clubs, "—"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(suitCardsText(r.hand, r.suit), r.text) << "suit " << index(r.suit);
    }
}

TEST(CardText, AsAScreenReaderSaysThem) {
    const Hand hand = handOf("AKT64", "QJ9", "", "87652");
    EXPECT_EQ(suitCardsSpoken(hand, Suit::Spades), "Pique : As, Roi, 10, 6, 4");
    EXPECT_EQ(suitCardsSpoken(hand, Suit::Hearts), "Cœur : Dame, Valet, 9");
    EXPECT_EQ(suitCardsSpoken(hand, Suit::Diamonds), "Carreau : chicane");
    EXPECT_EQ(suitCardsSpoken(hand, Suit::Clubs), "Trèfle : 8, 7, 6, 5, 2");
}

}  // namespace
