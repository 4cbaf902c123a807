// The solver as the program calls it: seats and strains where they belong,
// the same tables as libdds gives for the same deals in PBN, progress and
// stop between groups of deals, and faulty deals refused without a crash.
#include "doubledummy/solver.h"

#include <dds/dll.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "counting_clock.h"
#include "engine/dealer.h"
#include "formats/pbn.h"
#include "known_deals.h"

using namespace ondiscale;

namespace {

TrickTable solveOne(const Deal& deal) {
    const SolvedDeals solved = solveDeals(std::span(&deal, 1));
    EXPECT_FALSE(solved.error.has_value()) << solved.error->message;
    EXPECT_EQ(solved.tables.size(), 1U);
    return solved.tables.empty() ? TrickTable{} : solved.tables.front();
}

TEST(Solver, NorthSouthWithAllTheTopCardsTakeEveryTrickWhoeverDeclares) {
    const TrickTable table = solveOne(known::topCardsNorthSouth());
    for (const Strain strain : kStrains) {
        EXPECT_EQ(table.of(strain, Seat::North), 13) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::South), 13) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::East), 0) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::West), 0) << strainPbn(strain);
    }
}

TEST(Solver, ThirteenSpadesInNorthWinOnlyWhereSpadesAreTrumpsOrNorthLeads) {
    const TrickTable table = solveOne(known::thirteenSpadesNorth());
    // Spades trumps: North ruffs or leads trumps from the first trick.
    EXPECT_EQ(table.of(Strain::Spades, Seat::North), 13);
    EXPECT_EQ(table.of(Strain::Spades, Seat::South), 13);
    EXPECT_EQ(table.of(Strain::Spades, Seat::East), 0);
    EXPECT_EQ(table.of(Strain::Spades, Seat::West), 0);
    // No trumps: North leads against West and runs the spades; against
    // the others, East-West lead and run 13 winners North never ruffs.
    EXPECT_EQ(table.of(Strain::NoTrump, Seat::West), 0);
    EXPECT_EQ(table.of(Strain::NoTrump, Seat::East), 13);
    EXPECT_EQ(table.of(Strain::NoTrump, Seat::North), 0);
    EXPECT_EQ(table.of(Strain::NoTrump, Seat::South), 0);
    // Hearts or diamonds trumps: East-West hold every card above South's
    // and more trumps than South: they draw them and take every trick,
    // North's spades no trumps, North's opening lead against West ruffed.
    for (const Strain strain : {Strain::Hearts, Strain::Diamonds}) {
        EXPECT_EQ(table.of(strain, Seat::North), 0) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::South), 0) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::East), 13) << strainPbn(strain);
        EXPECT_EQ(table.of(strain, Seat::West), 13) << strainPbn(strain);
    }
}

// Random deals written as PBN, read back with the program's reader and
// solved through the library, give the tables libdds gives for that PBN
// text: no seat turned, no strain taken for another.
TEST(Solver, AgreesWithLibddsReadingThePbnTextOnRandomDeals) {
    Dealer dealer(Generator::seeded(20261208), CountingClock::read);
    std::vector<std::string> texts;
    std::vector<Deal> deals;
    for (int n = 0; n < 20; ++n) {
        PbnGame game;
        dealer.dealTable(game.deal);
        const std::string file = pbnText({game}, "", "");
        const auto at = file.find("[Deal \"") + 7;
        texts.push_back(file.substr(at, file.find('"', at) - at));
        const auto read = readPbnDeal(texts.back());
        ASSERT_TRUE(read.has_value()) << texts.back();
        deals.push_back(read->deal);
    }
    const SolvedDeals solved = solveDeals(deals);
    ASSERT_FALSE(solved.error.has_value()) << solved.error->message;
    ASSERT_EQ(solved.tables.size(), deals.size());

    // libdds's strains: spades 0, hearts 1, diamonds 2, clubs 3, no trump 4.
    const std::array<std::pair<Strain, int>, 5> ddsStrains{{{Strain::Spades, 0},
                                                            {Strain::Hearts, 1},
                                                            {Strain::Diamonds, 2},
                                                            {Strain::Clubs, 3},
                                                            {Strain::NoTrump, 4}}};
    for (std::size_t d = 0; d < deals.size(); ++d) {
        ddTableDealPBN pbn{};
        std::strncpy(pbn.cards, texts[d].c_str(), sizeof pbn.cards - 1);
        ddTableResults direct{};
        ASSERT_EQ(CalcDDtablePBN(pbn, &direct), RETURN_NO_FAULT) << texts[d];
        for (const auto& [strain, ddsStrain] : ddsStrains) {
            for (const Seat seat : kSeats) {
                EXPECT_EQ(solved.tables[d].of(strain, seat),
                          direct.resTable[ddsStrain][index(seat)])
                    << texts[d] << ", " << strainPbn(strain) << ", seat " << index(seat);
            }
        }
    }
}

// Two quick deals in turn, many times: enough for several groups.
std::vector<Deal> alternatingDeals(std::size_t count) {
    std::vector<Deal> deals;
    for (std::size_t n = 0; n < count; ++n) {
        deals.push_back(n % 2 == 0 ? known::topCardsNorthSouth() : known::thirteenSpadesNorth());
    }
    return deals;
}

TEST(Solver, ReportsProgressAfterEachGroupUpToTheLastDeal) {
    const std::vector<Deal> deals = alternatingDeals(90);
    std::vector<std::size_t> done;
    const SolvedDeals solved = solveDeals(deals, {}, [&](std::size_t d, std::size_t total) {
        EXPECT_EQ(total, deals.size());
        done.push_back(d);
    });
    ASSERT_FALSE(solved.error.has_value());
    ASSERT_EQ(solved.tables.size(), deals.size());
    ASSERT_GE(done.size(), 3U);  // never the whole batch in one call
    for (std::size_t i = 1; i < done.size(); ++i) {
        EXPECT_GT(done[i], done[i - 1]);
    }
    EXPECT_EQ(done.back(), deals.size());
    const TrickTable top = solveOne(known::topCardsNorthSouth());
    const TrickTable spades = solveOne(known::thirteenSpadesNorth());
    for (std::size_t n = 0; n < deals.size(); ++n) {
        EXPECT_EQ(solved.tables[n], n % 2 == 0 ? top : spades) << "deal " << n;
    }
}

TEST(Solver, AStopAfterTheFirstGroupKeepsItsTablesInOrderWithNoError) {
    const std::vector<Deal> deals = alternatingDeals(90);
    std::stop_source stop;
    std::size_t firstDone = 0;
    int calls = 0;
    const SolvedDeals solved = solveDeals(deals, stop.get_token(), [&](std::size_t d, std::size_t) {
        ++calls;
        firstDone = calls == 1 ? d : firstDone;
        stop.request_stop();
    });
    EXPECT_FALSE(solved.error.has_value());
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(solved.tables.size(), firstDone);
    ASSERT_GT(firstDone, 0U);
    EXPECT_LT(firstDone, deals.size());
    const TrickTable top = solveOne(known::topCardsNorthSouth());
    const TrickTable spades = solveOne(known::thirteenSpadesNorth());
    for (std::size_t n = 0; n < solved.tables.size(); ++n) {
        EXPECT_EQ(solved.tables[n], n % 2 == 0 ? top : spades) << "deal " << n;
    }

    // Asked to stop before it starts, it solves nothing.
    int late = 0;
    const SolvedDeals none =
        solveDeals(deals, stop.get_token(), [&](std::size_t, std::size_t) { ++late; });
    EXPECT_TRUE(none.tables.empty());
    EXPECT_FALSE(none.error.has_value());
    EXPECT_EQ(late, 0);
}

TEST(Solver, NoDealsNoTablesNoError) {
    const SolvedDeals solved = solveDeals({});
    EXPECT_TRUE(solved.tables.empty());
    EXPECT_FALSE(solved.error.has_value());
}

// A deal with a card twice, or cards that do not exist, never reaches the
// solver: an error in French naming the deal, and nothing solved.
TEST(Solver, ADealThatIsNotFiftyTwoCardsIsRefusedBeforeAnythingIsSolved) {
    std::vector<Deal> deals = alternatingDeals(3);
    deals[1][index(Seat::West)][4] = deals[1][index(Seat::East)][0];
    int calls = 0;
    const auto count = [&](std::size_t, std::size_t) { ++calls; };
    SolvedDeals solved = solveDeals(deals, {}, count);
    ASSERT_TRUE(solved.error.has_value());
    EXPECT_EQ(solved.error->code, 0);
    EXPECT_EQ(solved.error->message,
              "La donne n° 2 n'est pas faite de 52 cartes distinctes : aucune donne n'a été "
              "résolue.");
    EXPECT_TRUE(solved.tables.empty());

    deals[1] = Deal{};  // every card 0
    solved = solveDeals(deals, {}, count);
    ASSERT_TRUE(solved.error.has_value());
    EXPECT_TRUE(solved.tables.empty());

    deals[1] = known::topCardsNorthSouth();
    deals[2][index(Seat::South)][12] = 54;  // past the ace of clubs
    solved = solveDeals(deals, {}, count);
    ASSERT_TRUE(solved.error.has_value());
    EXPECT_EQ(solved.error->message,
              "La donne n° 3 n'est pas faite de 52 cartes distinctes : aucune donne n'a été "
              "résolue.");
    EXPECT_EQ(calls, 0);
}

}  // namespace
