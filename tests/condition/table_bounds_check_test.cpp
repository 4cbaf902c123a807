#include "condition/table_bounds_check.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

// The boxes at their defaults, then a few typed over them:
// {row, measure, max, text}.
struct Typed {
    std::size_t row, measure;
    bool max;
    const char* text;
};
TableTexts typed(std::initializer_list<Typed> changes) {
    TableTexts texts = textsOf(TableBounds{});
    for (const Typed& t : changes) {
        (t.max ? texts[t.row][t.measure].max : texts[t.row][t.measure].min) = t.text;
    }
    return texts;
}

constexpr std::size_t N = 0, E = 1, S = 2, W = 3, NS = 4, EW = 5;
constexpr std::size_t kSpades = 0, kHearts = 1, kPoints = 4;

TEST(TableBoundsCheck, TheDefaultsAllowEveryDeal) {
    const TableTexts defaults = textsOf(TableBounds{});
    EXPECT_EQ(defaults[N][kSpades].min, "0");
    EXPECT_EQ(defaults[N][kSpades].max, "13");
    EXPECT_EQ(defaults[W][kPoints].max, "37");
    EXPECT_EQ(defaults[NS][kPoints].max, "40");
    const TableBoundsCheck check = checkTableBounds(defaults);
    ASSERT_TRUE(check.bounds.has_value());
    EXPECT_EQ(*check.bounds, TableBounds{});
}

// Each bad input, its one message naming the row and the measure, and the
// box the keyboard goes to.
TEST(TableBoundsCheck, EachRefusalItsMessageAndItsBox) {
    struct Row {
        TableTexts texts;
        const char* message;
        TableBox box;
    };
    const Row rows[] = {
        {typed({{N, kSpades, false, ""}}),
         "Nord pique minimum : la case est vide ; il faut un nombre de 0 à 13.",
         {N, kSpades, false}},
        {typed({{E, kHearts, true, "douze"}}),
         "Est cœur maximum : « douze » n'est pas un nombre de 0 à 13.",
         {E, kHearts, true}},
        {typed({{S, kPoints, true, "38"}}),
         "Sud points maximum : « 38 » n'est pas un nombre de 0 à 37.",
         {S, kPoints, true}},
        {typed({{NS, kPoints, true, "41"}}),
         "Nord-Sud points maximum : « 41 » n'est pas un nombre de 0 à 40.",
         {NS, kPoints, true}},
        {typed({{EW, 3, false, "-1"}}),
         "Est-Ouest trèfle minimum : « -1 » n'est pas un nombre de 0 à 13.",
         {EW, 3, false}},
        {typed({{W, kSpades, false, "6"}, {W, kSpades, true, "5"}}),
         "Ouest pique : le minimum, 6, dépasse le maximum, 5.",
         {W, kSpades, false}},
        {typed({{N, 0, false, "4"}, {N, 1, false, "4"}, {N, 2, false, "4"}, {N, 3, false, "2"}}),
         "Nord : les minimums des quatre couleurs font 14 cartes, plus que les 13 de la main.",
         {N, 0, false}},
        {typed({{S, 0, true, "3"}, {S, 1, true, "3"}, {S, 2, true, "3"}, {S, 3, true, "3"}}),
         "Sud : les maximums des quatre couleurs ne font que 12 cartes, moins que les 13 de la "
         "main.",
         {S, 0, true}},
        {typed({{N, kSpades, true, "3"}, {S, kSpades, true, "3"}, {NS, kSpades, false, "8"}}),
         "Nord-Sud pique : aucune paire de mains ne le peut ; Nord et Sud en ont ensemble de 0 à "
         "6, la paire en demande de 8 à 13.",
         {NS, kSpades, false}},
        // What two hands hold together is said as far as the suit or the
        // deck allows: not "de 4 à 26" cards, nor "de 14 à 74" points.
        {typed({{N, kSpades, false, "2"}, {S, kSpades, false, "2"}, {NS, kSpades, true, "3"}}),
         "Nord-Sud pique : aucune paire de mains ne le peut ; Nord et Sud en ont ensemble de 4 à "
         "13, la paire en demande de 0 à 3.",
         {NS, kSpades, true}},
        {typed({{N, kPoints, false, "7"}, {S, kPoints, false, "7"}, {NS, kPoints, true, "10"}}),
         "Nord-Sud points : aucune paire de mains ne le peut ; Nord et Sud en ont ensemble de 14 à "
         "40, la paire en demande de 0 à 10.",
         {NS, kPoints, true}},
        {typed({{N, kSpades, false, "7"}, {S, kSpades, false, "7"}, {NS, kSpades, true, "12"}}),
         "Pique : les minimums des quatre mains font 14 cartes, plus que les 13 de la couleur.",
         {N, kSpades, false}},
        {typed({{NS, kPoints, false, "30"}, {EW, kPoints, false, "15"}}),
         "Est-Ouest points : aucune donne ne le peut ; Nord-Sud en ayant de 30 à 40, il en reste "
         "de 0 à 10, la paire en demande de 15 à 40.",
         {EW, kPoints, false}},
        {typed({{N, kSpades, false, "7"}, {E, kSpades, false, "7"}}),
         "Pique : les minimums des quatre mains font 14 cartes, plus que les 13 de la couleur.",
         {N, kSpades, false}},
        {typed({{N, kPoints, false, "20"}, {E, kPoints, false, "21"}}),
         "Points : les minimums des quatre mains font 41 points, plus que les 40 du jeu.",
         {N, kPoints, false}},
    };
    for (const Row& r : rows) {
        const TableBoundsCheck check = checkTableBounds(r.texts);
        EXPECT_FALSE(check.bounds.has_value()) << r.message;
        EXPECT_EQ(check.message, r.message);
        EXPECT_EQ(check.box, r.box) << r.message;
    }
}

TEST(TableBoundsCheck, ValidBoundsAreTheTypedOnes) {
    const TableBoundsCheck check = checkTableBounds(typed({{NS, kPoints, false, "25"},
                                                           {NS, kSpades, false, " 8 "},
                                                           {S, kSpades, false, "4"},
                                                           {S, kSpades, true, "4"},
                                                           {N, kPoints, true, "37"}}));
    ASSERT_TRUE(check.bounds.has_value()) << check.message;
    TableBounds expected;
    expected.side(Side::NorthSouth).points = {25, 40};
    expected.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    expected.hand(Seat::South).suit(Suit::Spades) = {4, 4};
    EXPECT_EQ(*check.bounds, expected);
}

}  // namespace
