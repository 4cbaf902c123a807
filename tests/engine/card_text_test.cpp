#include "engine/card_text.h"

#include <gtest/gtest.h>

#include <bit>

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

// Cards typed as players type them, read back into the same set, which
// the program writes its own way.
struct ReadRow {
    const char* typed;
    const char* read;  // cardsText of what is read
};

class CardsRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(CardsRead, AsTheyWereMeant) {
    const CardsReading reading = readCards(GetParam().typed);
    ASSERT_TRUE(reading.cards.has_value()) << reading.message;
    EXPECT_EQ(cardsText(*reading.cards), GetParam().read);
    EXPECT_EQ(reading.message, "");
}

INSTANTIATE_TEST_SUITE_P(
    Typed, CardsRead,
    ::testing::Values(ReadRow{"♠ A R 5 2 ♥ D 7", "♠AR52 ♥D7"},
                      ReadRow{"♠AR52 ♥D7 ♦RV84 ♣A63", "♠AR52 ♥D7 ♦RV84 ♣A63"},
                      ReadRow{"P A R 5 2 C D 7 K R V 8 4 T A 6 3", "♠AR52 ♥D7 ♦RV84 ♣A63"},
                      ReadRow{"PAR52 CD7 KRV84 TA63", "♠AR52 ♥D7 ♦RV84 ♣A63"},
                      ReadRow{"p a r c d", "♠AR ♥D"}, ReadRow{"♠ As Roi Dame Valet 10", "♠ARDV10"},
                      ReadRow{"pique As, Roi ; cœur Dame ; TREFLE valet", "♠AR ♥D ♣V"},
                      ReadRow{"coeur 10 9 carreau 2", "♥109 ♦2"},
                      ReadRow{"♠️A ♥️R ♦️D ♣️V", "♠A ♥R ♦D ♣V"},
                      ReadRow{"♤A ♡R ♢D ♧V", "♠A ♥R ♦D ♣V"}, ReadRow{"♠AKQJT ♥T9", "♠ARDV10 ♥109"},
                      ReadRow{"♥ 10 ♠ A ♥ 2", "♠A ♥102"}, ReadRow{"P1052", "♠1052"},
                      ReadRow{"AK52.Q7.KJ84.A63", "♠AR52 ♥D7 ♦RV84 ♣A63"},
                      ReadRow{"AR52.D7.RV84.A63", "♠AR52 ♥D7 ♦RV84 ♣A63"},
                      ReadRow{"AKQJT98765432...", "♠ARDV1098765432"}, ReadRow{"...A10", "♣A10"},
                      ReadRow{" A K . Q . . ", "♠AR ♥D"}, ReadRow{"", ""}, ReadRow{"   ", ""}));

// Texts that hold no cards as typed: one message, naming the piece.
struct RefusedRow {
    const char* typed;
    const char* message;
};

class CardsRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(CardsRefused, WithOneMessageNamingThePiece) {
    const CardsReading reading = readCards(GetParam().typed);
    EXPECT_FALSE(reading.cards.has_value());
    EXPECT_EQ(reading.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, CardsRefused,
    ::testing::Values(
        RefusedRow{"A R 5", "« A » : il manque la couleur devant (♠, ♥, ♦, ♣ ou P, C, K, T)."},
        RefusedRow{"5 ♠ A", "« 5 » : il manque la couleur devant (♠, ♥, ♦, ♣ ou P, C, K, T)."},
        RefusedRow{"♠ A X 5", "« X » n'est ni une carte ni une couleur."},
        RefusedRow{"♠ A R 1", "« 1 » n'est pas une carte."},
        RefusedRow{"♠ A 11", "« 11 » n'est pas une carte."},
        RefusedRow{"♠ A é", "« é » n'est ni une carte ni une couleur."},
        RefusedRow{"♠ A ♠ A", "le ♠A est donné deux fois."},
        RefusedRow{"P A R 5 P 5", "le ♠5 est donné deux fois."},
        RefusedRow{"♠ AKQJT98765432 ♥ A", "14 cartes, plus que les 13 d'une main."},
        RefusedRow{"AK52.Q7.KJ84",
                   "« AK52.Q7.KJ84 » : une main en PBN a quatre couleurs séparées par trois "
                   "points, comme AK52.Q7.KJ84.A63."},
        RefusedRow{"AK52.Q7.KJ84.A63.2",
                   "« AK52.Q7.KJ84.A63.2 » : une main en PBN a quatre couleurs séparées par "
                   "trois points, comme AK52.Q7.KJ84.A63."},
        RefusedRow{"AK52.QX7.KJ84.A63", "« QX » n'est pas une carte."},
        RefusedRow{"AKA.Q7.KJ84.A63", "le ♠A est donné deux fois."}));

TEST(CardText, HandsAndSetsBothWays) {
    const Hand hand = handOf("AK52", "Q7", "KJ84", "A63");
    const CardSet cards = cardSetOf(hand);
    EXPECT_EQ(std::popcount(cards), 13);
    EXPECT_EQ(cardsText(cards), "♠AR52 ♥D7 ♦RV84 ♣A63");
    EXPECT_EQ(cardSetOf(handFrom(cards)), cards);
    EXPECT_EQ(cardText(cardOf(Suit::Hearts, 10)), "♥10");
}

}  // namespace
