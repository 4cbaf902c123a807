#include "formats/dealer_script.h"

#include <gtest/gtest.h>

#include "conditions.h"

using namespace ondiscale;
using namespace conditions;

namespace {

struct ScriptRow {
    const char* name;
    Condition condition;
    DealerScriptOptions options;
    const char* script;
};

void PrintTo(const ScriptRow& row, std::ostream* os) { *os << row.name; }

class DealerScriptText : public ::testing::TestWithParam<ScriptRow> {};

TEST_P(DealerScriptText, IsWrittenAsDealerReadsIt) {
    EXPECT_EQ(dealerScript(GetParam().condition, GetParam().options), GetParam().script);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DealerScriptText,
    ::testing::Values(
        ScriptRow{"nothing_asked", Condition{}, {}, R"(# Script pour dealer, ecrit par ondiscale.
generate 1000000
produce 1000000
action average "Ce que l'on cherche" 1
)"},
        ScriptRow{"no_trump_opening",
                  question({Alt()
                                .points(Seat::South, 15, 17)
                                .shape(Seat::South, {shapeClass(ShapeClass::Regular)})},
                           {Alt().sidePoints(Side::NorthSouth, 25, 40)}),
                  {2'000'000, 50'000, "Sud : 15 ≤ points ≤ 17, régulière",
                   "Nord-Sud : 25 points ou plus"},
                  R"(# Script pour dealer, ecrit par ondiscale.
# Ce que l'on sait : Sud : 15 <= points <= 17, reguliere
# Ce que l'on cherche : Nord-Sud : 25 points ou plus
generate 2000000
produce 50000
condition hcp(south) >= 15 and hcp(south) <= 17 and shape(south, any 4333 + any 4432 + any 5332)
action average "Nord-Sud : 25 points ou plus" hcp(north) + hcp(south) >= 25
)"},
        ScriptRow{"known_hand_predealt",
                  question({Alt().cards(Seat::South, "AK52.Q7.KJ84.A63")},
                           {Alt().suit(Seat::North, Suit::Hearts, 4, 13)}),
                  {100'000, 100'000, "Sud : ♠ A R 5 2 ♥ D 7 ♦ R V 8 4 ♣ A 6 3", ""},
                  R"(# Script pour dealer, ecrit par ondiscale.
# Ce que l'on sait : Sud : P A R 5 2 C D 7 K R V 8 4 T A 6 3
generate 100000
produce 100000
predeal south SAK52, HQ7, DKJ84, CA63
action average "Ce que l'on cherche" hearts(north) >= 4
)"},
        ScriptRow{"cards_of_two_alternatives_as_hascard",
                  question({Alt().cards(Seat::South, "A...").cards(Seat::North, ".K.."),
                            Alt().cards(Seat::North, "A...")},
                           {Alt().cards(Seat::West, "...T").points(Seat::West, 0, 5)}),
                  {},
                  R"(# Script pour dealer, ecrit par ondiscale.
generate 1000000
produce 1000000
condition (hascard(north, KH) and hascard(south, AS))
    or (hascard(north, AS))
action average "Ce que l'on cherche" hcp(west) <= 5 and hascard(west, TC)
)"},
        ScriptRow{
            "cards_common_to_known_alternatives_predealt",
            question({Alt()
                          .cards(Seat::South, "AK52.Q7.KJ84.A63")
                          .cards(Seat::North, "Q...")
                          .points(Seat::North, 12, 14),
                      Alt().cards(Seat::South, "AK52.Q7.KJ84.A63").cards(Seat::North, "..A.")},
                     {}),
            {},
            R"(# Script pour dealer, ecrit par ondiscale.
generate 1000000
produce 1000000
predeal south SAK52, HQ7, DKJ84, CA63
condition (hcp(north) >= 12 and hcp(north) <= 14 and hascard(north, QS))
    or (hascard(north, AD))
action average "Ce que l'on cherche" 1
)"},
        ScriptRow{
            "each_kind_of_shape_and_exact_lengths",
            question({}, {Alt()
                              .suit(Seat::East, Suit::Diamonds, 0, 0)
                              .suit(Seat::East, Suit::Clubs, 2, 5)
                              .shape(Seat::East, {shapeClass(ShapeClass::OneSuited)}),
                          Alt()
                              .shape(Seat::North, {shapeClass(ShapeClass::SemiRegular),
                                                   anyOrder(4, 4, 4, 1), suitOrder(5, 4, 2, 2)})
                              .sideSuit(Side::EastWest, Suit::Spades, 0, 2)}),
            {},
            R"(# Script pour dealer, ecrit par ondiscale.
generate 1000000
produce 1000000
action average "Ce que l'on cherche" (diamonds(east) == 0 and clubs(east) >= 2 and clubs(east) <= 5 and shape(east, any 6322 + any 6331 + any 7222 + any 7321 + any 7330 + any 8221 + any 8311 + any 8320 + any 9211 + any 9220 + any 9310 + any x111 + any x210 + any x300 + any x110 + any x200 + any x100 + any x000))
    or (shape(north, any 5422 + any 6322 + any 4441 + 5422) and spades(east) + spades(west) <= 2)
)"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SafeRow {
    const char* text;
    const char* safe;
};

void PrintTo(const SafeRow& row, std::ostream* os) { *os << row.text; }

class ScriptSafeText : public ::testing::TestWithParam<SafeRow> {};

// A comment or a label must not end early nor carry bytes another
// program may refuse.
TEST_P(ScriptSafeText, IsPlainAsciiOnOneLine) {
    EXPECT_EQ(scriptSafeText(GetParam().text), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScriptSafeText,
                         ::testing::Values(SafeRow{"Sachant que Sud a 15 à 17 points",
                                                   "Sachant que Sud a 15 a 17 points"},
                                           SafeRow{"8 ≤ ♠ ≤ 13 ou ♥ ≥ 8", "8 <= P <= 13 ou C >= 8"},
                                           SafeRow{"« cœur » — Œuvre", "' coeur ' - OEuvre"},
                                           SafeRow{"dit \"oui\"\r\nfin", "dit 'oui'  fin"},
                                           SafeRow{"1\xC2\xA0"
                                                   "000 donnes",
                                                   "1 000 donnes"},
                                           SafeRow{"octet \xFF perdu, \xE2\x82 coupé",
                                                   "octet ? perdu, ? coupe"},
                                           SafeRow{"漢", "?"}));

}  // namespace
