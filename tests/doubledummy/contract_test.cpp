// Contracts as the user types them and as the program writes them, and
// whether a solved deal makes them.
#include "doubledummy/contract.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ondiscale;

namespace {

TEST(Contract, StrainsWrittenAsTheProgramAndAsPbnWriteThem) {
    const std::vector<std::pair<std::string_view, std::string_view>> expected{
        {"SA", "NT"}, {"♠", "S"}, {"♥", "H"}, {"♦", "D"}, {"♣", "C"}};
    for (const Strain strain : kStrains) {
        EXPECT_EQ(strainText(strain), expected[index(strain)].first);
        EXPECT_EQ(strainPbn(strain), expected[index(strain)].second);
    }
    EXPECT_EQ(contractText({3, Strain::NoTrump, Seat::South}), "3SA Sud");
    EXPECT_EQ(contractText({4, Strain::Spades, Seat::North}), "4♠ Nord");
    EXPECT_EQ(contractText({1, Strain::Hearts, Seat::East}), "1♥ Est");
    EXPECT_EQ(contractText({7, Strain::Clubs, Seat::West}), "7♣ Ouest");
}

TEST(Contract, MakesWithTheLevelPlusSixTricksForThatDeclarerAndStrain) {
    TrickTable table;
    table.tricks[index(Strain::NoTrump)][index(Seat::North)] = 9;
    table.tricks[index(Strain::Spades)][index(Seat::South)] = 13;
    EXPECT_TRUE(makes(table, {3, Strain::NoTrump, Seat::North}));
    EXPECT_FALSE(makes(table, {4, Strain::NoTrump, Seat::North}));
    EXPECT_FALSE(makes(table, {3, Strain::NoTrump, Seat::South}));
    EXPECT_FALSE(makes(table, {1, Strain::Spades, Seat::North}));
    EXPECT_TRUE(makes(table, {7, Strain::Spades, Seat::South}));
}

TEST(Contract, EveryContractReadsBackFromItsText) {
    for (int level = 1; level <= 7; ++level) {
        for (const Strain strain : kStrains) {
            for (const Seat seat : kSeats) {
                const Contract contract{level, strain, seat};
                const ParsedContracts parsed = parseContracts(contractText(contract));
                EXPECT_EQ(parsed.error, "") << contractText(contract);
                ASSERT_EQ(parsed.contracts.size(), 1U) << contractText(contract);
                EXPECT_EQ(parsed.contracts[0], contract) << contractText(contract);
            }
        }
    }
}

TEST(Contract, TypedTextsReadAsContractsOrRefusedNamingTheFaultyPiece) {
    constexpr Strain kNT = Strain::NoTrump;
    struct Case {
        std::string_view text;
        std::vector<Contract> contracts;
        std::string_view error;
    };
    const std::vector<Case> cases{
        {"", {}, ""},
        {"  ,; ", {}, ""},
        {"3SA Sud, 4♠ Nord", {{3, kNT, Seat::South}, {4, Strain::Spades, Seat::North}}, ""},
        {"4 P Sud", {{4, Strain::Spades, Seat::South}}, ""},
        {"3sa s", {{3, kNT, Seat::South}}, ""},
        {"3NT n; 2 sans-atout Ouest; 1 sans atout E",
         {{3, kNT, Seat::North}, {2, kNT, Seat::West}, {1, kNT, Seat::East}},
         ""},
        {"2c o, 3 k est, 5T NORD, 6♥S",
         {{2, Strain::Hearts, Seat::West},
          {3, Strain::Diamonds, Seat::East},
          {5, Strain::Clubs, Seat::North},
          {6, Strain::Hearts, Seat::South}},
         ""},
        {"4 Pique Sud, 4 cœur Nord, 5 Carreau E, 5 trefle O",
         {{4, Strain::Spades, Seat::South},
          {4, Strain::Hearts, Seat::North},
          {5, Strain::Diamonds, Seat::East},
          {5, Strain::Clubs, Seat::West}},
         ""},
        {"3SA Sud, 3 sa s,4♠ Nord, 3SA Sud",
         {{3, kNT, Seat::South}, {4, Strain::Spades, Seat::North}},
         ""},
        {"3SA Sud,", {{3, kNT, Seat::South}}, ""},
        {"8SA Sud", {}, "« 8SA Sud » : le palier va de 1 à 7."},
        {"3SA Sud, 0♠ Nord", {}, "« 0♠ Nord » : le palier va de 1 à 7."},
        {"10SA Sud", {}, "« 10SA Sud » : le palier va de 1 à 7."},
        {"SA Sud",
         {},
         "« SA Sud » : le contrat commence par son palier, de 1 à 7, comme dans « 3SA Sud »."},
        {"3X Sud",
         {},
         "« 3X Sud » : après le palier vient la dénomination : SA, ♠, ♥, ♦ ou ♣ (ou P, C, K, T)."},
        {"3 Sud",
         {},
         "« 3 Sud » : après le palier vient la dénomination : SA, ♠, ♥, ♦ ou ♣ (ou P, C, K, T)."},
        {"4♠", {}, "« 4♠ » : il manque le déclarant : Nord, Est, Sud ou Ouest."},
        {"3SA Sud; 4♠ Nordd",
         {},
         "« 4♠ Nordd » : le déclarant est Nord, Est, Sud ou Ouest (ou N, E, S, O)."},
        {"4♠ Nord Sud",
         {},
         "« 4♠ Nord Sud » : le déclarant est Nord, Est, Sud ou Ouest (ou N, E, S, O)."},
    };
    for (const Case& c : cases) {
        const ParsedContracts parsed = parseContracts(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_EQ(parsed.contracts, c.contracts) << c.text;
    }
}

}  // namespace
