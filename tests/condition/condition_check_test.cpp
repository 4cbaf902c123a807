// The whole form of the Donne window checked into a question: each bad
// form its one message naming the box, and the box the keyboard goes to.
#include <gtest/gtest.h>

#include <functional>

#include "condition/shapes.h"
#include "condition/table_bounds_check.h"
#include "engine/card_text.h"
#include "row_names.h"

using namespace ondiscale;

namespace {

constexpr std::size_t N = 0, S = 2, NS = 4;
constexpr std::size_t kSpades = 0, kPoints = 4;
using Part = FormBox::Part;
using Kind = FormBox::Kind;

struct Row {
    const char* name;
    std::function<void(ConditionTexts&)> typed;
    const char* message;
    FormBox box;
};

FormBox cardsBox(Part part, std::size_t alternative, Seat seat) {
    return {part, alternative, Kind::Cards, {}, seat};
}
FormBox shapeBox(Part part, std::size_t alternative, Seat seat) {
    return {part, alternative, Kind::Shape, {}, seat};
}

const std::vector<Row>& rows() {
    static const std::vector<Row> all{
        {"a range box as today",
         [](ConditionTexts& t) { t.asked[0].ranges[S][kSpades].max = ""; },
         "Sud pique maximum : la case est vide ; il faut un nombre de 0 à 13.",
         {Part::Asked, 0, Kind::Range, {S, kSpades, true}, Seat::North}},
        {"a range box of what is known",
         [](ConditionTexts& t) { t.known[0].ranges[S][kPoints].min = "quinze"; },
         "Ce que l'on sait, Sud points minimum : « quinze » n'est pas un nombre de 0 à 37.",
         {Part::Known, 0, Kind::Range, {S, kPoints, false}, Seat::North}},
        {"a range box of a second alternative",
         [](ConditionTexts& t) {
             t.asked[0].ranges[N][kSpades].min = "5";
             t.asked.emplace_back();
             t.asked[1].ranges[NS][kPoints].min = "41";
         },
         "Cas 2, Nord-Sud points minimum : « 41 » n'est pas un nombre de 0 à 40.",
         {Part::Asked, 1, Kind::Range, {NS, kPoints, false}, Seat::North}},
        {"a shape", [](ConditionTexts& t) { t.asked[0].shapes[S] = "4432, 4431"; },
         "Sud forme : « 4431 » fait 12 cartes, et non 13.", shapeBox(Part::Asked, 0, Seat::South)},
        {"a known shape of a second known alternative",
         [](ConditionTexts& t) {
             t.known[0].shapes[N] = "régulière";
             t.known.emplace_back();
             t.known[1].shapes[N] = "biclore";
         },
         "Ce que l'on sait, cas 2, Nord forme : « biclore » n'est ni une distribution comme 4432 "
         "ou 5=4=2=2, ni une forme nommée (régulière, semi-régulière, unicolore, bicolore, "
         "tricolore, sans singleton ni chicane).",
         shapeBox(Part::Known, 1, Seat::North)},
        {"cards", [](ConditionTexts& t) { t.known[0].cards[S] = "♠ A R X"; },
         "Ce que l'on sait, Sud cartes : « X » n'est ni une carte ni une couleur.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"a card given to two hands",
         [](ConditionTexts& t) {
             t.known[0].cards[N] = "♠ A 2";
             t.known[0].cards[index(Seat::West)] = "♥ 3 ♠ 2";
         },
         "Ce que l'on sait, Nord et Ouest ont tous deux le ♠2.",
         cardsBox(Part::Known, 0, Seat::West)},
        {"more than thirteen cards",
         [](ConditionTexts& t) { t.known[0].cards[S] = "AKQJT98765432.A.."; },
         "Ce que l'on sait, Sud cartes : 14 cartes, plus que les 13 d'une main.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"cards past a suit's maximum",
         [](ConditionTexts& t) {
             t.known[0].ranges[S][kSpades].max = "4";
             t.known[0].cards[S] = "♠ A R D V 10";
         },
         "Ce que l'on sait, Sud cartes : ces cartes ont 5 ♠, plus que le maximum de 4.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"cards past the points' maximum",
         [](ConditionTexts& t) {
             t.known[0].ranges[S][kPoints].max = "17";
             t.known[0].cards[S] = "♠ A R D ♥ A R D";
         },
         "Ce que l'on sait, Sud cartes : ces cartes font 18 points, plus que le maximum de 17.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"a whole hand short of the points",
         [](ConditionTexts& t) {
             t.known[0].ranges[S][kPoints].min = "18";
             t.known[0].cards[S] = "AK52.Q7.KJ84.A63";
         },
         "Ce que l'on sait, Sud cartes : ces 13 cartes ne font que 17 points, moins que le "
         "minimum de 18.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"a whole hand short of a suit",
         [](ConditionTexts& t) {
             t.asked[0].ranges[S][1].min = "3";
             t.asked[0].cards[S] = "AK52.Q7.KJ84.A63";
         },
         "Sud cartes : ces 13 cartes n'ont que 2 ♥, moins que le minimum de 3.",
         cardsBox(Part::Asked, 0, Seat::South)},
        {"cards no hand of the shape holds",
         [](ConditionTexts& t) {
             t.known[0].shapes[S] = "régulière";
             t.known[0].cards[S] = "♠ A R D V 10 9";
         },
         "Ce que l'on sait, Sud cartes : aucune main ne tient ces cartes avec les bornes et la "
         "forme de Sud.",
         cardsBox(Part::Known, 0, Seat::South)},
        {"a shape outside the ranges",
         [](ConditionTexts& t) {
             t.asked[0].ranges[N][kSpades].min = "6";
             t.asked[0].shapes[N] = "régulière, 4441";
         },
         "Nord forme : aucune main de forme « régulière, 4441 » ne tient dans les bornes de Nord.",
         shapeBox(Part::Asked, 0, Seat::North)},
        {"a partnership's cards past its maximum",
         [](ConditionTexts& t) {
             t.asked[0].ranges[NS][kSpades].max = "7";
             t.asked[0].cards[N] = "♠ A R D V";
             t.asked[0].cards[S] = "♠ 10 9 8 7";
         },
         "Nord-Sud pique : les cartes de Nord et Sud en ont 8, plus que le maximum de 7.",
         {Part::Asked, 0, Kind::Range, {NS, kSpades, true}, Seat::North}},
        {"a partnership's points past its maximum",
         [](ConditionTexts& t) {
             t.known[0].ranges[NS][kPoints].max = "20";
             t.known[0].cards[N] = "♠ A R D ♥ A";
             t.known[0].cards[S] = "♣ A R D";
         },
         "Ce que l'on sait, Nord-Sud points : les cartes de Nord et Sud en font 22, plus que le "
         "maximum de 20.",
         {Part::Known, 0, Kind::Range, {NS, kPoints, true}, Seat::North}},
        {"a card asked of a hand the known part gives to another",
         [](ConditionTexts& t) {
             t.known[0].cards[S] = "AK52.Q7.KJ84.A63";
             t.asked[0].cards[N] = "♥ A ♥ 7";
         },
         "Nord cartes : le ♥7 est à Sud dans ce que l'on sait.",
         cardsBox(Part::Asked, 0, Seat::North)},
        {"an alternative that asks nothing beside another",
         [](ConditionTexts& t) {
             t.asked[0].ranges[NS][kSpades].min = "8";
             t.asked.emplace_back();
         },
         "Le cas 2 ne demande rien ; remplissez-le ou retirez-le.",
         {Part::Asked, 1, Kind::Range, {}, Seat::North}},
        {"a known alternative that asks nothing beside another",
         [](ConditionTexts& t) {
             t.known.emplace_back();
             t.known[1].ranges[NS][kSpades].min = "8";
         },
         "Le cas 1 de ce que l'on sait ne demande rien ; remplissez-le ou retirez-le.",
         {Part::Known, 0, Kind::Range, {}, Seat::North}},
    };
    return all;
}

class ConditionRefused : public ::testing::TestWithParam<Row> {};

TEST_P(ConditionRefused, ItsMessageAndItsBox) {
    ConditionTexts texts;
    GetParam().typed(texts);
    const ConditionCheck check = checkCondition(texts);
    EXPECT_FALSE(check.condition.has_value());
    EXPECT_EQ(check.message, GetParam().message);
    EXPECT_EQ(check.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Forms, ConditionRefused, ::testing::ValuesIn(rows()), NamedRows());

TEST(ConditionCheck, TheDefaultFormKnowsNothingAndAsksNothing) {
    const ConditionCheck check = checkCondition(ConditionTexts{});
    ASSERT_TRUE(check.condition.has_value()) << check.message;
    EXPECT_EQ(*check.condition, Condition{});
}

// The 1SA question and a whole known hand, as typed, read as meant; a
// question's own texts read back the same.
TEST(ConditionCheck, TypedQuestionsReadAsMeant) {
    ConditionTexts texts;
    texts.known[0].ranges[S][kPoints] = {"15", "17"};
    texts.known[0].shapes[S] = "Régulière";
    texts.known[0].cards[N] = "♥ A";
    texts.asked[0].ranges[NS][kPoints].min = "25";
    texts.asked.emplace_back();
    texts.asked[1].cards[index(Seat::West)] = "pique As";
    texts.asked[1].shapes[index(Seat::East)] = "5=4=2=2";
    const ConditionCheck check = checkCondition(texts);
    ASSERT_TRUE(check.condition.has_value()) << check.message;

    Condition expected;
    Alternative& known = expected.known.alternatives.front();
    known.bounds.hand(Seat::South).points = {15, 17};
    known.shapes[S] = *readShapes("régulière").shapes;
    known.cards[N] = cardBit(cardOf(Suit::Hearts, kAce));
    expected.asked.alternatives.front().bounds.side(Side::NorthSouth).points = {25, 40};
    Alternative second;
    second.cards[index(Seat::West)] = cardBit(cardOf(Suit::Spades, kAce));
    second.shapes[index(Seat::East)] = *readShapes("5=4=2=2").shapes;
    expected.asked.alternatives.push_back(second);
    EXPECT_EQ(*check.condition, expected);

    ConditionTexts again;
    again.known = {textsOf(known)};
    again.asked = {textsOf(expected.asked.alternatives[0]), textsOf(second)};
    EXPECT_EQ(checkCondition(again).condition, expected);
}

}  // namespace
