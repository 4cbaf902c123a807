#include <gtest/gtest.h>

#include <random>

#include "conditions.h"
#include "formats/dealer_script.h"
#include "formats/recipes.h"
#include "formats/shape_sets.h"

using namespace ondiscale;
using namespace conditions;

namespace {

// 300 clauses joined by "and": long, but not deep.
const std::string kLongConjunction = [] {
    std::string out = "condition hcp(north) >= 1";
    for (int i = 0; i < 299; ++i) {
        out += " and hcp(north) >= 1";
    }
    return out;
}();

struct GoodRow {
    const char* name;
    const char* script;
    Condition condition;
};

void PrintTo(const GoodRow& row, std::ostream* os) { *os << row.name; }

class DealerScriptRead : public ::testing::TestWithParam<GoodRow> {};

TEST_P(DealerScriptRead, GivesTheCondition) {
    const DealerScriptReading read = readDealerScript(GetParam().script);
    ASSERT_TRUE(read.condition.has_value()) << read.error;
    EXPECT_TRUE(*read.condition == GetParam().condition) << GetParam().script;
}

const Alternative kAnything = Alt();

INSTANTIATE_TEST_SUITE_P(
    Rows, DealerScriptRead,
    ::testing::Values(
        GoodRow{"empty_script", "", Condition{}},
        GoodRow{"opening_and_partnership",
                "condition hcp(south) >= 15 && hcp(south) <= 17\n"
                "action average \"x\" hcp(north)+hcp(south) >= 25",
                question({Alt().points(Seat::South, 15, 17)},
                         {Alt().sidePoints(Side::NorthSouth, 25, 40)})},
        GoodRow{"comparisons_either_way_round_and_scaled",
                "condition 12 < hcp(north) and spades(north) < 4 and -hearts(north) <= -2 and "
                "2 * diamonds(north) >= 7 and clubs(north) == 3 - 1",
                question({Alt()
                              .points(Seat::North, 13, 37)
                              .suit(Seat::North, Suit::Spades, 0, 3)
                              .suit(Seat::North, Suit::Hearts, 2, 13)
                              .suit(Seat::North, Suit::Diamonds, 4, 13)
                              .suit(Seat::North, Suit::Clubs, 2, 2)},
                         {})},
        GoodRow{"partners_sum_in_any_order",
                "condition spades(south) + spades(north) >= 8 and hcp(west) + hcp(east) <= 15",
                question({Alt()
                              .sideSuit(Side::NorthSouth, Suit::Spades, 8, 13)
                              .sidePoints(Side::EastWest, 0, 15)},
                         {})},
        GoodRow{"not_equal_is_two_alternatives", "hcp(north) != 10",
                question({Alt().points(Seat::North, 0, 9), Alt().points(Seat::North, 11, 37)}, {})},
        GoodRow{
            "not_of_a_range", "condition not (spades(north) >= 5) and !(hcp(north) < 6)",
            question({Alt().suit(Seat::North, Suit::Spades, 0, 4).points(Seat::North, 6, 37)}, {})},
        GoodRow{"ors_within_ands",
                "(spades(north) >= 5 or hearts(north) >= 5) and hcp(north) >= 12",
                question({Alt().suit(Seat::North, Suit::Spades, 5, 13).points(Seat::North, 12, 37),
                          Alt().suit(Seat::North, Suit::Hearts, 5, 13).points(Seat::North, 12, 37)},
                         {})},
        GoodRow{"an_alternative_within_another_is_left_out",
                "spades(north) >= 5 or (spades(north) >= 6 and hcp(north) >= 10)",
                question({Alt().suit(Seat::North, Suit::Spades, 5, 13)}, {})},
        GoodRow{"regular_in_any_order_of_patterns",
                "condition shape(north, any 4333 + any 5332 + any 4432)",
                question({Alt().shape(Seat::North, {shapeClass(ShapeClass::Regular)})}, {})},
        GoodRow{"patterns_taken_away_in_turn",
                "condition shape(west, any 4333 + any 4432 + any 5332 - 5xxx - x5xx)",
                question({Alt().shape(Seat::West, {anyOrder(4, 3, 3, 3), anyOrder(4, 4, 3, 2),
                                                   suitOrder(2, 3, 3, 5), suitOrder(2, 3, 5, 3),
                                                   suitOrder(3, 2, 3, 5), suitOrder(3, 2, 5, 3),
                                                   suitOrder(3, 3, 2, 5), suitOrder(3, 3, 5, 2)})},
                         {})},
        GoodRow{"not_a_shape_is_the_other_shapes",
                "condition not shape(south, any 4333 + any 4432 + any 5332 + any 5422 + "
                "any 6322 + any 7222)",
                question({Alt().shape(Seat::South, {shapeClass(ShapeClass::ThreeSuited),
                                                    anyOrder(5, 4, 3, 1),
                                                    anyOrder(5, 5, 2, 1),
                                                    anyOrder(5, 5, 3, 0),
                                                    anyOrder(6, 3, 3, 1),
                                                    anyOrder(6, 4, 2, 1),
                                                    anyOrder(6, 4, 3, 0),
                                                    anyOrder(6, 5, 1, 1),
                                                    anyOrder(6, 5, 2, 0),
                                                    anyOrder(6, 6, 1, 0),
                                                    anyOrder(7, 3, 2, 1),
                                                    anyOrder(7, 3, 3, 0),
                                                    anyOrder(7, 4, 1, 1),
                                                    anyOrder(7, 4, 2, 0),
                                                    anyOrder(7, 5, 1, 0),
                                                    anyOrder(7, 6, 0, 0),
                                                    anyOrder(8, 2, 2, 1),
                                                    anyOrder(8, 3, 1, 1),
                                                    anyOrder(8, 3, 2, 0),
                                                    anyOrder(8, 4, 1, 0),
                                                    anyOrder(8, 5, 0, 0),
                                                    anyOrder(9, 2, 1, 1),
                                                    anyOrder(9, 2, 2, 0),
                                                    anyOrder(9, 3, 1, 0),
                                                    anyOrder(9, 4, 0, 0),
                                                    anyOrder(10, 1, 1, 1),
                                                    anyOrder(10, 2, 1, 0),
                                                    anyOrder(10, 3, 0, 0),
                                                    anyOrder(11, 1, 1, 0),
                                                    anyOrder(11, 2, 0, 0),
                                                    anyOrder(12, 1, 0, 0),
                                                    anyOrder(13, 0, 0, 0)})},
                         {})},
        GoodRow{"predeal_and_question_on_partner",
                "predeal south SAK52, HQ7, DKJ84, CA63\naction average \"h\" hearts(north) >= 4",
                question({Alt().cards(Seat::South, "AK52.Q7.KJ84.A63")},
                         {Alt().suit(Seat::North, Suit::Hearts, 4, 13)})},
        GoodRow{"predeal_joins_every_known_alternative",
                "predeal north SA\ncondition hcp(south) >= 20 or hascard(south, KS)",
                question({Alt().cards(Seat::North, "A...").points(Seat::South, 20, 37),
                          Alt().cards(Seat::North, "A...").cards(Seat::South, "K...")},
                         {})},
        GoodRow{"a_card_not_held_is_held_elsewhere", "condition not hascard(north, AS)",
                question({Alt().cards(Seat::East, "A..."), Alt().cards(Seat::South, "A..."),
                          Alt().cards(Seat::West, "A...")},
                         {})},
        GoodRow{"named_expressions_and_unused_ones",
                "a = hcp(north) >= 12\nb = a and spades(north) >= 5\nl = losers(north)\n"
                "condition b\naction printall",
                question({Alt().points(Seat::North, 12, 37).suit(Seat::North, Suit::Spades, 5, 13)},
                         {})},
        GoodRow{"comments_commands_and_print_actions",
                "# un commentaire\n/* sur\ndeux lignes */ generate 10000 produce 100\n"
                "dealer west vulnerable NS\ncondition hcp(east) >= 10 // fin de ligne\n"
                "action printoneline hcp(east), printpbn, print(north, south), "
                "average \"part\" 1",
                question({Alt().points(Seat::East, 10, 37)}, {kAnything})},
        GoodRow{"byte_order_mark_and_windows_line_ends",
                "\xEF\xBB\xBF"
                "generate 100\r\ncondition hcp(north) >= 10\r\n",
                question({Alt().points(Seat::North, 10, 37)}, {})},
        GoodRow{"long_conjunction", kLongConjunction.c_str(),
                question({Alt().points(Seat::North, 1, 37)}, {})},
        GoodRow{"contradictory_alternative_left_out",
                "condition (hcp(north) >= 20 and hcp(north) <= 10) or spades(north) >= 7",
                question({Alt().suit(Seat::North, Suit::Spades, 7, 13)}, {})},
        GoodRow{"singular_suit_words_and_constants", "condition spade(north) >= 1 and 1 and not 0",
                question({Alt().suit(Seat::North, Suit::Spades, 1, 13)}, {})}),
    [](const auto& info) { return std::string(info.param.name); });

// A script that would take the reader deep: 100,000 brackets.
const std::string kDeepBrackets(100'000, '(');

struct BadRow {
    const char* name;
    const char* script;
    const char* message;
};

void PrintTo(const BadRow& row, std::ostream* os) { *os << row.name; }

class DealerScriptRefused : public ::testing::TestWithParam<BadRow> {};

TEST_P(DealerScriptRefused, NamesThePieceAndItsLine) {
    const DealerScriptReading read = readDealerScript(GetParam().script);
    EXPECT_FALSE(read.condition.has_value());
    EXPECT_EQ(read.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DealerScriptRefused,
    ::testing::Values(
        BadRow{"losers", "generate 1000\n\ncondition losers(north) <= 7",
               "ligne 3 : « losers » n'est pas pris en charge"},
        BadRow{"controls_in_the_question", "action average \"c\" controls(south) >= 4",
               "ligne 1 : « controls » n'est pas pris en charge"},
        BadRow{"top_honours_after_a_block_comment",
               "/* a\nb */\ncondition top4(north, spades) >= 3",
               "ligne 3 : « top4 » n'est pas pris en charge"},
        BadRow{"points_in_one_suit", "condition hcp(north, spades) >= 5",
               "ligne 1 : « hcp(north, spades) » n'est pas pris en charge"},
        BadRow{"sum_of_opponents", "condition hcp(north) +\n hcp(east) >= 20",
               "ligne 1 : « hcp(north) + hcp(east) >= 20 » n'est pas pris en charge"},
        BadRow{"product_of_measures", "condition hcp(north) * spades(north) > 20",
               "ligne 1 : « hcp(north) * spades(north) » n'est pas pris en charge"},
        BadRow{"choice", "condition hcp(north) > 10 ? 1 : 0",
               "ligne 1 : « ? » n'est pas pris en charge"},
        BadRow{"pointcount", "pointcount 6 4 2 1",
               "ligne 1 : « pointcount » n'est pas pris en charge"},
        BadRow{"frequency", "action printall,\n frequency \"h\" (hcp(north), 0, 37)",
               "ligne 2 : « frequency » n'est pas pris en charge"},
        BadRow{"second_average", "action average \"a\" hcp(north) >= 1,\naverage \"b\" 1",
               "ligne 2 : un second « average » n'est pas pris en charge"},
        BadRow{"five_alternatives",
               "\ncondition spades(north) == 1 or spades(north) == 3 or spades(north) == 5 or "
               "spades(north) == 7 or spades(north) == 9",
               "ligne 2 : « condition » demande plus de quatre alternatives"},
        BadRow{"product_of_many_ors",
               "action average \"x\" (spades(north) == 1 or hearts(north) == 1) and "
               "(spades(south) == 1 or hearts(south) == 1) and (clubs(east) == 1 or "
               "diamonds(east) == 1)",
               "ligne 1 : « average » demande plus de quatre alternatives"},
        BadRow{"never_met", "condition hcp(north) > 37",
               "ligne 1 : aucune donne ne remplit « condition »"},
        BadRow{"never_asked", "action average \"x\" spades(north) >= 7 and spades(north) < 3",
               "ligne 1 : aucune donne ne remplit « average »"},
        BadRow{"a_measure_as_condition", "condition hcp(north)",
               "ligne 1 : « hcp(north) » n'est pas une condition"},
        BadRow{"not_binds_before_comparison", "condition not hcp(north) >= 12",
               "ligne 1 : « hcp(north) » n'est pas une condition"},
        BadRow{"a_shape_as_number", "condition shape(north, any 4333) + 1 >= 2",
               "ligne 1 : « shape(north, any 4333) » n'est pas un nombre"},
        BadRow{"unknown_name", "x = 3\ncondition hcp(north) >= y",
               "ligne 2 : « y » n'est pas défini"},
        BadRow{"card_predealt_twice", "predeal south SAK, HA\npredeal north SK",
               "ligne 2 : la carte « KS » est donnée deux fois"},
        BadRow{"fourteen_cards", "predeal south SAKQJT98765432, HA",
               "ligne 1 : plus de 13 cartes pour « south »"},
        BadRow{"bad_rank_in_predeal", "predeal south SAK1",
               "ligne 1 : « SAK1 » n'est pas une couleur"},
        BadRow{"predeal_by_length", "predeal spades(north) == 1",
               "ligne 1 : « predeal spades » n'est pas pris en charge"},
        BadRow{"pattern_of_twelve_cards", "condition shape(north, 4431)",
               "ligne 1 : « 4431 » n'est pas une distribution"},
        BadRow{"bad_card", "condition hascard(north, ZS)", "ligne 1 : « ZS » n'est pas une carte"},
        BadRow{"unbalanced_bracket", "condition hcp(north) >= 10 )",
               "ligne 1 : « ) » est inattendu"},
        BadRow{"cut_short", "condition hcp(north) >=\n",
               "ligne 2 : le script s'arrête au milieu d'une instruction"},
        BadRow{"open_quote", "action average \"part",
               "ligne 1 : un texte entre guillemets n'est pas fermé"},
        BadRow{"brackets_without_end", kDeepBrackets.c_str(),
               "ligne 1 : les expressions sont imbriquées trop profond"},
        BadRow{"non_ascii", "condition hcp(north) ≥ 10", "ligne 1 : « ≥ » est inattendu"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Round trips ----------------------------------------------------------

struct RoundTripRow {
    const char* name;
    Condition condition;
};

void PrintTo(const RoundTripRow& row, std::ostream* os) { *os << row.name; }

class DealerScriptRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(DealerScriptRoundTrip, ReadsBackTheConditionWritten) {
    const std::string script = dealerScript(GetParam().condition);
    const DealerScriptReading read = readDealerScript(script);
    ASSERT_TRUE(read.condition.has_value()) << read.error << "\n" << script;
    EXPECT_TRUE(*read.condition == GetParam().condition) << script;
}

std::vector<RoundTripRow> roundTripRows() {
    std::vector<RoundTripRow> rows{
        {"nothing", Condition{}},
        {"two_known_alternatives_with_cards",
         question({Alt().cards(Seat::South, "AKQJT98765432..."),
                   Alt().cards(Seat::North, "..AKQ.").points(Seat::West, 0, 0)},
                  {Alt().cards(Seat::East, "...A")})},
        {"cards_common_to_two_known_alternatives",
         question({Alt().cards(Seat::South, "AK52.Q7.KJ84.A63").cards(Seat::West, "J..."),
                   Alt()
                       .cards(Seat::South, "AK52.Q7.KJ84.A63")
                       .shape(Seat::West, {shapeClass(ShapeClass::Regular)})},
                  {})},
        {"every_range_at_its_ends",
         question({Alt()
                       .points(Seat::West, 37, 37)
                       .suit(Seat::East, Suit::Clubs, 13, 13)
                       .sidePoints(Side::EastWest, 0, 0)
                       .sideSuit(Side::NorthSouth, Suit::Diamonds, 0, 12)},
                  {Alt().sidePoints(Side::NorthSouth, 40, 40)})},
        {"long_suits_in_patterns",
         question({}, {Alt().shape(Seat::North, {anyOrder(10, 3, 0, 0), suitOrder(0, 0, 0, 13),
                                                 suitOrder(11, 2, 0, 0)})})},
        {"four_asked_alternatives",
         question({Alt().shape(Seat::South, {shapeClass(ShapeClass::NoShortSuit)})},
                  {Alt().shape(Seat::North, {shapeClass(ShapeClass::TwoSuited)}),
                   Alt().shape(Seat::North, {shapeClass(ShapeClass::ThreeSuited)}),
                   Alt().shape(Seat::East, {shapeClass(ShapeClass::OneSuited),
                                            shapeClass(ShapeClass::TwoSuited)}),
                   Alt().sideSuit(Side::EastWest, Suit::Hearts, 9, 13)})},
    };
    for (const Recipe& recipe : builtInRecipes()) {
        rows.push_back({recipe.name.c_str(), recipe.condition});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, DealerScriptRoundTrip, ::testing::ValuesIn(roundTripRows()),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

// Conditions drawn at random, each alternative marked by an exact number
// of spades in North's hand so that none lies within another.
TEST(DealerScriptRoundTrip, RandomConditionsComeBackWhole) {
    std::mt19937 random(20261208);
    const auto draw = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const auto randomRange = [&](int top) {
        const int a = draw(0, top);
        const int b = draw(0, top);
        return range(std::min(a, b), std::max(a, b));
    };
    for (int trial = 0; trial < 200; ++trial) {
        Condition c;
        for (ConditionPart* part : {&c.known, &c.asked}) {
            part->alternatives.assign(static_cast<std::size_t>(draw(1, 4)), Alternative{});
            int mark = 0;
            for (Alternative& a : part->alternatives) {
                CardSet dealt = 0;
                for (const Seat seat : kSeats) {
                    HandBounds& hand = a.bounds.hand(seat);
                    hand.suits[static_cast<std::size_t>(draw(0, 3))] = randomRange(13);
                    hand.points = draw(0, 2) == 0 ? randomRange(37) : hand.points;
                    if (draw(0, 3) == 0) {
                        ShapeSet shapes;
                        for (int t = draw(1, 3); t > 0; --t) {
                            const int s = draw(0, 7);
                            const int h = draw(0, 13 - s);
                            const int d = draw(0, 13 - s - h);
                            shapes.terms.push_back(
                                draw(0, 2) == 0   ? shapeClass(static_cast<ShapeClass>(draw(0, 5)))
                                : draw(0, 1) == 0 ? suitOrder(s, h, d, 13 - s - h - d)
                                                  : anyOrder(s, h, d, 13 - s - h - d));
                        }
                        a.shapes[index(seat)] = canonicalShapes(shapes);
                    }
                    for (int k = draw(0, 2) == 0 ? draw(1, 13) : 0; k > 0; --k) {
                        const Card card = static_cast<Card>(draw(kLowestCard, kHighestCard));
                        if ((dealt & cardBit(card)) == 0) {
                            a.cards[index(seat)] |= cardBit(card);
                            dealt |= cardBit(card);
                        }
                    }
                }
                a.bounds.hand(Seat::North).suit(Suit::Spades) = range(mark, mark);
                ++mark;
                for (const Side side : kSides) {
                    if (draw(0, 2) == 0) {
                        a.bounds.side(side).points = randomRange(40);
                    }
                }
            }
        }
        const std::string script = dealerScript(c);
        const DealerScriptReading read = readDealerScript(script);
        ASSERT_TRUE(read.condition.has_value()) << read.error << "\n" << script;
        ASSERT_TRUE(*read.condition == c) << "trial " << trial << "\n" << script;
    }
}

}  // namespace

namespace {

// Scripts mangled at random, a token at a time: the reader answers each
// with a condition or a message on a line, never anything else; and what
// it reads, written out again, reads back the same.
TEST(DealerScriptRead, MangledScriptsGiveAConditionOrAMessage) {
    const std::vector<std::string> seeds{
        "predeal south SAK52, HQ7, DKJ84, CA63\ncondition hcp(north) >= 12 or not "
        "shape(east, any 4333 + 5xxx - x5xx)\naction average \"a\" spades(north) + "
        "spades(south) >= 8 and hascard(west, TC)",
        "a = hearts(north) != 4\ncondition (a || clubs(west) < 3) && !(hcp(east) + hcp(west) "
        "> 20)\naction printall, average \"b\" 2 * diamonds(south) >= 9 or a",
    };
    static constexpr std::array<std::string_view, 24> kPieces{"(",
                                                              ")",
                                                              " and ",
                                                              " or ",
                                                              " not ",
                                                              "!",
                                                              ">=",
                                                              "==",
                                                              "!=",
                                                              "<",
                                                              "+",
                                                              "-",
                                                              "*",
                                                              ",",
                                                              "0",
                                                              "13",
                                                              "north",
                                                              "hcp(south)",
                                                              "shape(north, any 4432)",
                                                              "hascard(east, AS)",
                                                              "\"",
                                                              "\n",
                                                              "x5xx",
                                                              "\xE2\x99\xA0"};
    std::mt19937 random(7);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string script = seeds[static_cast<std::size_t>(trial) % seeds.size()];
        for (int edits = 1 + static_cast<int>(random() % 2); edits > 0; --edits) {
            const std::size_t at = random() % (script.size() + 1);
            if (random() % 3 == 0 && at < script.size()) {
                script.erase(at, 1 + random() % 3);
            } else {
                script.insert(at, kPieces[random() % kPieces.size()]);
            }
        }
        const DealerScriptReading read = readDealerScript(script);
        if (!read.condition) {
            ASSERT_TRUE(read.error.starts_with("ligne ")) << read.error << "\n" << script;
            continue;
        }
        ASSERT_TRUE(read.error.empty());
        const DealerScriptReading again = readDealerScript(dealerScript(*read.condition));
        ASSERT_TRUE(again.condition.has_value()) << again.error << "\n" << script;
        ASSERT_TRUE(*again.condition == *read.condition) << script;
    }
}

}  // namespace
