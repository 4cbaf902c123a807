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
        // North and South hold at most 6 spades together, East and West 6.
        {typed({{N, kSpades, true, "3"}, {S, kSpades, true, "3"}, {EW, kSpades, true, "6"}}),
         "Pique : les maximums des quatre mains ne font que 12 cartes, moins que les 13 de la "
         "couleur.",
         {N, kSpades, true}},
        {typed({{E, kPoints, true, "9"}, {W, kPoints, true, "10"}, {NS, kPoints, true, "20"}}),
         "Points : les maximums des quatre mains ne font que 39 points, moins que les 40 du jeu.",
         {N, kPoints, true}},
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

// Exact shapes, minimum = maximum, are possible: a hand's maxima adding up
// to exactly 13, a partnership's to exactly 26, each row alone and the
// four hands at once.
TEST(TableBoundsCheck, ExactShapesAreAccepted) {
    // The four suits of a row, each both minimum and maximum.
    const auto exact = [](std::size_t row, std::array<const char*, 4> lengths) {
        std::vector<Typed> changes;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            changes.push_back({row, suit, false, lengths[suit]});
            changes.push_back({row, suit, true, lengths[suit]});
        }
        return changes;
    };
    struct Row {
        const char* name;
        std::vector<Typed> changes;
    };
    std::vector<Row> rows = {
        {"Nord 4-3-3-3", exact(N, {"4", "3", "3", "3"})},
        {"Est 3-4-3-3", exact(E, {"3", "4", "3", "3"})},
        {"Sud 3-3-4-3", exact(S, {"3", "3", "4", "3"})},
        {"Ouest 3-3-3-4", exact(W, {"3", "3", "3", "4"})},
        {"Nord-Sud 7-7-6-6", exact(NS, {"7", "7", "6", "6"})},
        {"Est-Ouest 6-6-7-7", exact(EW, {"6", "6", "7", "7"})},
        {"Est-Ouest 13-13-0-0", exact(EW, {"13", "13", "0", "0"})},
    };
    Row all{"the four hands", {}};
    for (const Row& r : std::vector<Row>(rows.begin(), rows.begin() + 4)) {
        all.changes.insert(all.changes.end(), r.changes.begin(), r.changes.end());
    }
    rows.push_back(all);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TableTexts texts = textsOf(TableBounds{});
        for (const Typed& t : r.changes) {
            (t.max ? texts[t.row][t.measure].max : texts[t.row][t.measure].min) = t.text;
        }
        const TableBoundsCheck check = checkTableBounds(texts);
        ASSERT_TRUE(check.bounds.has_value()) << check.message;
        for (const Typed& t : r.changes) {
            const std::size_t row = t.row;
            const Range& range = row < 4
                                     ? check.bounds->hand(kSeats[row]).suit(kSuits[t.measure])
                                     : check.bounds->side(kSides[row - 4]).suit(kSuits[t.measure]);
            EXPECT_EQ(std::to_string(t.max ? range.max : range.min), t.text);
        }
    }
}

// Minima the deck cannot meet are refused with the message, whichever hand
// or partnership brings them over: each row's last seat alone would leave
// them possible. Never a run that deals for ever.
TEST(TableBoundsCheck, MinimaPastTheDeckAreRefusedWhoeverMakesThem) {
    struct Row {
        std::vector<Typed> changes;
        const char* message;
    };
    const char* spades =
        "Pique : les minimums des quatre mains font 14 cartes, plus que les 13 de la couleur.";
    const char* points =
        "Points : les minimums des quatre mains font 41 points, plus que les 40 "
        "du jeu.";
    const Row rows[] = {
        {{{E, kSpades, false, "7"}, {N, kSpades, false, "7"}}, spades},
        {{{S, kSpades, false, "7"}, {E, kSpades, false, "7"}}, spades},
        {{{W, kSpades, false, "7"}, {S, kSpades, false, "7"}}, spades},
        {{{N, kSpades, false, "7"}, {W, kSpades, false, "7"}}, spades},
        {{{N, kSpades, false, "5"},
          {E, kSpades, false, "3"},
          {S, kSpades, false, "3"},
          {W, kSpades, false, "3"}},
         spades},
        {{{E, kPoints, false, "20"}, {N, kPoints, false, "21"}}, points},
        {{{S, kPoints, false, "20"}, {E, kPoints, false, "21"}}, points},
        {{{W, kPoints, false, "20"}, {S, kPoints, false, "21"}}, points},
        {{{N, kPoints, false, "20"}, {W, kPoints, false, "21"}}, points},
        {{{N, kPoints, false, "10"},
          {E, kPoints, false, "10"},
          {S, kPoints, false, "10"},
          {W, kPoints, false, "11"}},
         points},
        // A hand and the other partnership.
        {{{N, kSpades, false, "7"}, {EW, kSpades, false, "7"}}, spades},
        {{{EW, kSpades, false, "6"}, {S, kSpades, false, "8"}}, spades},
        {{{NS, kSpades, false, "7"}, {E, kSpades, false, "7"}}, spades},
        {{{NS, kSpades, false, "6"}, {W, kSpades, false, "8"}}, spades},
        {{{N, kPoints, false, "20"}, {EW, kPoints, false, "21"}}, points},
        {{{NS, kPoints, false, "20"}, {W, kPoints, false, "21"}}, points},
        {{{NS, kSpades, false, "8"}, {EW, kSpades, false, "6"}},
         "Est-Ouest pique : aucune donne ne le peut ; Nord-Sud en ayant de 8 à 13, il en reste "
         "de 0 à 5, la paire en demande de 6 à 13."},
        {{{EW, kSpades, false, "8"}, {NS, kSpades, false, "6"}},
         "Est-Ouest pique : aucune donne ne le peut ; Nord-Sud en ayant de 6 à 13, il en reste "
         "de 0 à 7, la paire en demande de 8 à 13."},
        {{{NS, kPoints, false, "20"}, {EW, kPoints, false, "21"}},
         "Est-Ouest points : aucune donne ne le peut ; Nord-Sud en ayant de 20 à 40, il en reste "
         "de 0 à 20, la paire en demande de 21 à 40."},
        {{{EW, kPoints, false, "20"}, {NS, kPoints, false, "21"}},
         "Est-Ouest points : aucune donne ne le peut ; Nord-Sud en ayant de 21 à 40, il en reste "
         "de 0 à 19, la paire en demande de 20 à 40."},
    };
    for (const Row& r : rows) {
        std::string name;
        for (const Typed& t : r.changes) {
            name += rowName(t.row) + " " + t.text + " ";
        }
        SCOPED_TRACE(name);
        TableTexts texts = textsOf(TableBounds{});
        for (const Typed& t : r.changes) {
            texts[t.row][t.measure].min = t.text;
        }
        // One less at the last seat listed, and the deck can meet them.
        TableTexts fewer = texts;
        const Typed& last = r.changes.back();
        fewer[last.row][last.measure].min = std::to_string(std::stoi(last.text) - 1);
        EXPECT_TRUE(checkTableBounds(fewer).bounds.has_value()) << checkTableBounds(fewer).message;

        const TableBoundsCheck check = checkTableBounds(texts);
        EXPECT_FALSE(check.bounds.has_value());
        EXPECT_EQ(check.message, r.message);
        EXPECT_FALSE(check.box.max);
        EXPECT_EQ(check.box.measure, r.changes.front().measure);
    }
}

}  // namespace
