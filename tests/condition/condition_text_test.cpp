// The question's French text: with nothing known, the rows the journal's
// titles have always shown; with something known, the sentence a teacher
// reads aloud.
#include "condition/condition_text.h"

#include <gtest/gtest.h>

#include "condition/shapes.h"
#include "engine/card_text.h"
#include "row_names.h"

using namespace ondiscale;

namespace {

Alternative northSouth(Suit suit, std::uint8_t least) {
    Alternative a;
    a.bounds.side(Side::NorthSouth).suit(suit) = {least, 13};
    return a;
}

// Sud 15 à 17 points, régulière: a 1SA opening.
Alternative oneNoTrump() {
    Alternative a;
    a.bounds.hand(Seat::South).points = {15, 17};
    a.shapes[index(Seat::South)] = *readShapes("régulière").shapes;
    return a;
}

struct Row {
    const char* name;
    Condition condition;
    const char* text;
};

Condition of(std::vector<Alternative> known, std::vector<Alternative> asked) {
    Condition c;
    if (!known.empty()) {
        c.known.alternatives = std::move(known);
    }
    c.asked.alternatives = std::move(asked);
    return c;
}

std::vector<Row> rows() {
    Alternative game;
    game.bounds.side(Side::NorthSouth).points = {25, 40};
    game.bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    game.bounds.hand(Seat::South).suit(Suit::Spades) = {4, 4};

    Alternative shaped;
    shaped.bounds.hand(Seat::South).points = {15, 17};
    shaped.shapes[index(Seat::South)] = *readShapes("régulière, 5422").shapes;
    shaped.cards[index(Seat::South)] = *readCards("♠AR52 ♥D7").cards;

    Alternative hand;
    hand.cards[index(Seat::South)] = *readCards("AK52.Q7.KJ84.A63").cards;
    Alternative hearts;
    hearts.bounds.hand(Seat::North).suit(Suit::Hearts) = {4, 13};

    Alternative nsGame;
    nsGame.bounds.side(Side::NorthSouth).points = {25, 40};

    Alternative ranges;
    ranges.bounds.hand(Seat::West).suit(Suit::Diamonds) = {0, 2};
    ranges.bounds.hand(Seat::West).suit(Suit::Clubs) = {6, 8};
    ranges.bounds.hand(Seat::West).points = {0, 1};
    ranges.bounds.hand(Seat::East).suit(Suit::Spades) = {0, 0};
    ranges.bounds.hand(Seat::East).points = {1, 1};
    ranges.bounds.side(Side::EastWest).points = {20, 40};

    return {
        {"nothing asked", of({}, {Alternative{}}), "toutes les donnes"},
        {"today's rows", of({}, {game}),
         "Sud : 4 ≤ ♠ ≤ 4 ; Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40"},
        {"shape and cards after the ranges", of({}, {shaped}),
         "Sud : 15 ≤ points ≤ 17, forme régulière ou 5422, cartes ♠AR52 ♥D7"},
        {"a fit of eight in a major",
         of({}, {northSouth(Suit::Spades, 8), northSouth(Suit::Hearts, 8)}),
         "Nord-Sud : 8 ≤ ♠ ≤ 13 ou Nord-Sud : 8 ≤ ♥ ≤ 13"},
        {"the 1SA question", of({oneNoTrump()}, {nsGame}),
         "Sachant que Sud a 15 à 17 points et une distribution régulière : Nord-Sud ont 25 "
         "points ou plus"},
        {"a whole hand known", of({hand}, {hearts}),
         "Sachant que Sud a ♠AR52 ♥D7 ♦RV84 ♣A63 : Nord a 4 ♥ ou plus"},
        {"alternatives known, nothing asked",
         of({northSouth(Suit::Spades, 8), northSouth(Suit::Hearts, 8)}, {Alternative{}}),
         "Sachant que Nord-Sud ont 8 ♠ ou plus ou Nord-Sud ont 8 ♥ ou plus : toutes les donnes"},
        {"ranges read aloud", of({nsGame}, {ranges}),
         "Sachant que Nord-Sud ont 25 points ou plus : Est a 0 ♠ et 1 point, Ouest a 2 ♦ ou "
         "moins, 6 à 8 ♣ et 1 point ou moins et Est-Ouest ont 20 points ou plus"},
        {"an open alternative known is nothing known", of({Alternative{}, oneNoTrump()}, {game}),
         "Sud : 4 ≤ ♠ ≤ 4 ; Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40"},
    };
}

class ConditionText : public ::testing::TestWithParam<Row> {};

TEST_P(ConditionText, SaysTheQuestion) {
    EXPECT_EQ(conditionText(GetParam().condition), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Questions, ConditionText, ::testing::ValuesIn(rows()), NamedRows());

TEST(ConditionText, TodaysTextsForRangesAlone) {
    TableBounds bounds;
    bounds.side(Side::NorthSouth).points = {25, 40};
    bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    EXPECT_EQ(tableBoundsText(bounds), "Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40");
    EXPECT_EQ(conditionText(askedOnly(bounds)), "Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40");
    EXPECT_EQ(tableBoundsText(TableBounds{}), "toutes les donnes");
    HandBounds south;
    south.suit(Suit::Spades) = {5, 5};
    south.points = {12, 14};
    EXPECT_EQ(boundsText(south), "5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14");
}

}  // namespace
