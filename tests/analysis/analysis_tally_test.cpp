#include "analysis/analysis_tally.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

// Every strain the same: North and South take `ns`, East and West the rest.
TrickTable sameEverywhere(std::uint8_t ns) {
    TrickTable table;
    for (auto& strain : table.tricks) {
        strain = {ns, static_cast<std::uint8_t>(13 - ns), ns, static_cast<std::uint8_t>(13 - ns)};
    }
    return table;
}

TEST(AnalysisTally, ContractsGamesAveragesAndParContracts) {
    AnalysisTally tally({{3, Strain::NoTrump, Seat::South}, {2, Strain::Hearts, Seat::East}});
    tally.add(sameEverywhere(13), ParResult{2220, "NS 7N"});
    tally.add(sameEverywhere(9), ParResult{400, "NS 3N"});
    tally.add(sameEverywhere(4), ParResult{-420, "EW 4S"});
    tally.add(sameEverywhere(9), std::nullopt);  // the solver gave no par

    const AnalysisUpdate update = tally.update();
    EXPECT_EQ(update.deals, 4);
    ASSERT_EQ(update.figures.size(), 2U + 20U + 3U);
    EXPECT_EQ(update.figures[0].name, "3SA Sud : réussi");
    EXPECT_EQ(update.figures[0].hits, 3);
    EXPECT_EQ(update.figures[1].name, "2♥ Est : réussi");
    EXPECT_EQ(update.figures[1].hits, 1);  // East takes 0, 4, 9 and 4: 8 once

    // SA by North: 13, 9, 4, 9 tricks, game (9) three times; the name
    // stays the same at every step.
    EXPECT_EQ(update.figures[2].name, "SA par Nord : 9 levées ou plus");
    EXPECT_EQ(update.figures[2].hits, 3);
    EXPECT_DOUBLE_EQ(tally.averageTricks(Strain::NoTrump, Seat::North), 8.75);
    // ♠ by East: 0, 4, 9, 4, never 10.
    EXPECT_EQ(update.figures[7].name, "♠ par Est : 10 levées ou plus");
    EXPECT_EQ(update.figures[7].hits, 0);
    EXPECT_DOUBLE_EQ(averageTricks(update.detail.tricks[1][1]), 4.25);
    // ♣ by West, the last strain row: game is 11.
    EXPECT_EQ(update.figures[21].name, "♣ par Ouest : 11 levées ou plus");

    EXPECT_EQ(update.figures[22].name,
              "Par de Nord-Sud, personne vulnérable : 7SA par Nord ou Sud, +2220");
    EXPECT_EQ(update.figures[23].name,
              "Par de Nord-Sud, personne vulnérable : 3SA par Nord ou Sud, +400");
    EXPECT_EQ(update.figures[24].name,
              "Par de Nord-Sud, personne vulnérable : 4♠ par Est ou Ouest, -420");
    EXPECT_EQ(update.figures[24].hits, 1);

    // Each figure says whose tricks its chart shows, or the par's.
    EXPECT_EQ(update.figures[0].bars, trickBars(Strain::NoTrump, Seat::South));
    EXPECT_EQ(update.figures[1].bars, trickBars(Strain::Hearts, Seat::East));
    EXPECT_EQ(strainOfBars(update.figures[7].bars), Strain::Spades);
    EXPECT_EQ(declarerOfBars(update.figures[7].bars), Seat::East);
    EXPECT_EQ(update.figures[22].bars, kParBars);
    const auto& southNoTrump = update.detail.tricks[0][2];
    EXPECT_EQ(southNoTrump[13], 1);
    EXPECT_EQ(southNoTrump[9], 2);
    EXPECT_EQ(southNoTrump[4], 1);
    EXPECT_EQ(update.detail.parScores.front(), (std::pair<int, std::int64_t>{2220, 1}));
}

// The same score reached with other contracts is another par; each par
// counts its deals.
TEST(AnalysisTally, EachParIsItsContractsAndScore) {
    AnalysisTally tally({});
    tally.add(sameEverywhere(10), ParResult{420, "NS 4S"});
    tally.add(sameEverywhere(10), ParResult{420, "NS 4H"});
    tally.add(sameEverywhere(10), ParResult{420, "NS 4S"});
    tally.add(sameEverywhere(6), ParResult{0, ""});
    const AnalysisUpdate update = tally.update();
    ASSERT_EQ(update.figures.size(), 20U + 3U);
    const auto par = [&](std::size_t i) { return update.figures[20 + i]; };
    EXPECT_EQ(par(0).name, "Par de Nord-Sud, personne vulnérable : 4♥ par Nord ou Sud, +420");
    EXPECT_EQ(par(0).hits, 1);
    EXPECT_EQ(par(1).name, "Par de Nord-Sud, personne vulnérable : 4♠ par Nord ou Sud, +420");
    EXPECT_EQ(par(1).hits, 2);
    EXPECT_EQ(par(2).name, "Par de Nord-Sud, personne vulnérable : passe générale, 0");
    EXPECT_EQ(update.detail.parScores,
              (std::vector<std::pair<int, std::int64_t>>{{420, 3}, {0, 1}}));
}

// The figures' parts are found again from their bars alone, as a session
// file keeps them.
TEST(AnalysisTally, ThePartsOfTheFiguresFromTheirBars) {
    AnalysisTally tally({{3, Strain::NoTrump, Seat::South}, {4, Strain::Spades, Seat::North}});
    tally.add(sameEverywhere(10), ParResult{420, "NS 4S"});
    tally.add(sameEverywhere(9), ParResult{400, "NS 3N"});
    AnalysisUpdate update = tally.update();
    for (const AnalysisFigure& figure : update.figures) {
        update.detail.figureTricks.push_back(figure.bars);
    }
    const AnalysisParts parts = analysisParts(update.detail);
    EXPECT_EQ(parts.contracts, 2U);
    EXPECT_EQ(parts.games, 20U);
    EXPECT_EQ(parts.pars, 2U);
}

TEST(AnalysisTally, GameIsNineAtNoTrumpTenInAMajorElevenInAMinor) {
    EXPECT_EQ(gameTricks(Strain::NoTrump), 9);
    EXPECT_EQ(gameTricks(Strain::Spades), 10);
    EXPECT_EQ(gameTricks(Strain::Hearts), 10);
    EXPECT_EQ(gameTricks(Strain::Diamonds), 11);
    EXPECT_EQ(gameTricks(Strain::Clubs), 11);
}

}  // namespace
