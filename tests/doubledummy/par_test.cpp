// The par of solved deals, with the dealer and the vulnerability passed to
// the solver as it numbers them, and the rotation of vulnerability.
#include "doubledummy/par.h"

#include <gtest/gtest.h>

#include "doubledummy/solver.h"
#include "formats/pbn.h"
#include "known_deals.h"

using namespace ondiscale;

namespace {

TEST(Par, TheVulnerabilityOfABoardIsTheOneItsPbnGameIsWrittenWith) {
    for (int board = 1; board <= 48; ++board) {
        const char* expected = "";
        switch (vulnerabilityOfBoard(board)) {
            case Vulnerability::None:
                expected = "None";
                break;
            case Vulnerability::NorthSouth:
                expected = "NS";
                break;
            case Vulnerability::EastWest:
                expected = "EW";
                break;
            case Vulnerability::Both:
                expected = "All";
                break;
        }
        EXPECT_EQ(pbnVulnerable(board), expected) << "board " << board;
    }
    EXPECT_EQ(vulnerabilityOfBoard(4), Vulnerability::Both);
    EXPECT_EQ(vulnerabilityOfBoard(13), Vulnerability::Both);
    EXPECT_EQ(vulnerabilityOfBoard(0), Vulnerability::EastWest);  // board 16 of the cycle
    EXPECT_EQ(vulnerabilityOfBoard(-15), Vulnerability::None);
}

// Eight tricks in hearts for North-South, eight in diamonds for East-West
// (the table below, solved from the deal): non-vulnerable East-West
// sacrifice over two hearts, vulnerable they do not.
TEST(Par, FollowsTheVulnerabilityAsTheSolverNumbersIt) {
    const auto read =
        readPbnDeal("N:AKQ2.J4.T98.7653 JT9.AKQ.J76.AKQ2 876.T98765.AK.JT 543.32.Q5432.984");
    ASSERT_TRUE(read.has_value());
    const SolvedDeals solved = solveDeals(std::span(&read->deal, 1));
    ASSERT_EQ(solved.tables.size(), 1U);
    const TrickTable& table = solved.tables.front();
    EXPECT_EQ(table.of(Strain::Hearts, Seat::North), 8);
    EXPECT_EQ(table.of(Strain::Diamonds, Seat::East), 8);

    struct Case {
        Vulnerability vulnerability;
        int score;
        const char* contracts;
    };
    for (const Case& c :
         {Case{Vulnerability::None, 100, "EW 2Nx-1 EW 3Dx-1"},
          Case{Vulnerability::NorthSouth, 100, "EW 2Nx-1 EW 3Dx-1"},
          Case{Vulnerability::EastWest, 110, "NS 2H"}, Case{Vulnerability::Both, 110, "NS 2H"}}) {
        for (const Seat dealer : kSeats) {
            const auto par = parOf(table, dealer, c.vulnerability);
            ASSERT_TRUE(par.has_value());
            EXPECT_EQ(par->northSouthScore, c.score) << static_cast<int>(c.vulnerability);
            EXPECT_EQ(par->contracts, c.contracts) << static_cast<int>(c.vulnerability);
        }
    }
}

TEST(Par, SignedForNorthSouthAndEmptyWhenPassedOut) {
    TrickTable grand;
    TrickTable eastWest;
    TrickTable nobody;
    for (const Strain strain : kStrains) {
        for (const Seat seat : kSeats) {
            const bool ns = sideOf(seat) == Side::NorthSouth;
            grand.tricks[index(strain)][index(seat)] = ns ? 13 : 0;
            eastWest.tricks[index(strain)][index(seat)] = ns ? 3 : 10;
            nobody.tricks[index(strain)][index(seat)] = 6;
        }
    }
    eastWest.tricks[index(Strain::Spades)][index(Seat::East)] = 11;
    eastWest.tricks[index(Strain::Spades)][index(Seat::West)] = 11;
    eastWest.tricks[index(Strain::Spades)][index(Seat::North)] = 2;
    eastWest.tricks[index(Strain::Spades)][index(Seat::South)] = 2;

    auto par = parOf(grand, Seat::South, Vulnerability::NorthSouth);
    ASSERT_TRUE(par.has_value());
    EXPECT_EQ(par->northSouthScore, 2220);
    EXPECT_EQ(par->contracts, "NS 7N");

    par = parOf(eastWest, Seat::West, Vulnerability::None);
    ASSERT_TRUE(par.has_value());
    EXPECT_LT(par->northSouthScore, 0);
    EXPECT_TRUE(par->contracts.starts_with("EW ")) << par->contracts;

    par = parOf(nobody, Seat::North, Vulnerability::Both);
    ASSERT_TRUE(par.has_value());
    EXPECT_EQ(par->northSouthScore, 0);
    EXPECT_EQ(par->contracts, "");
}

// A table no deal can give: nothing, and the process lives on.
TEST(Par, ATableWithMoreThanThirteenTricksHasNoPar) {
    TrickTable table;
    table.tricks[index(Strain::Clubs)][index(Seat::West)] = 14;
    EXPECT_FALSE(parOf(table, Seat::North, Vulnerability::None).has_value());
    table.tricks[index(Strain::Clubs)][index(Seat::West)] = 255;
    EXPECT_FALSE(parOf(table, Seat::East, Vulnerability::Both).has_value());
}

}  // namespace

namespace {

// Par contracts as the solver writes them, in words; what cannot be read
// is left as written.
struct ParWords {
    const char* solver;
    const char* words;
};

class ParContractsText : public ::testing::TestWithParam<ParWords> {};

TEST_P(ParContractsText, InWords) {
    EXPECT_EQ(parContractsText(GetParam().solver), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Par, ParContractsText,
    ::testing::Values(ParWords{"NS 4S", "4♠ par Nord ou Sud"}, ParWords{"N 3N", "3SA par Nord"},
                      ParWords{"EW 2Nx-1 EW 3Dx-1",
                               "2SA contré par Est ou Ouest, 1 de chute ou 3♦ contré par Est ou "
                               "Ouest, 1 de chute"},
                      ParWords{"S 6Cxx", "6♣ surcontré par Sud"},
                      ParWords{"NS 3N+1", "3SA par Nord ou Sud, 1 de mieux"},
                      ParWords{"", "passe générale"}, ParWords{"NS 9Z", "NS 9Z"}));

}  // namespace
