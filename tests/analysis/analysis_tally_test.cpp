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

TEST(AnalysisTally, ContractsGamesAveragesAndParScoresAsTheJournalShowsThem) {
    AnalysisTally tally({{3, Strain::NoTrump, Seat::South}, {2, Strain::Hearts, Seat::East}});
    tally.add(sameEverywhere(13), 2220);
    tally.add(sameEverywhere(9), 400);
    tally.add(sameEverywhere(4), -420);
    tally.add(sameEverywhere(9), std::nullopt);  // the solver gave no par

    const AnalysisUpdate update = tally.update(",");
    EXPECT_EQ(update.deals, 4);
    ASSERT_EQ(update.figures.size(), 2U + 20U + 3U);
    EXPECT_EQ(update.figures[0].name, "3SA Sud : réussi");
    EXPECT_EQ(update.figures[0].hits, 3);
    EXPECT_EQ(update.figures[1].name, "2♥ Est : réussi");
    EXPECT_EQ(update.figures[1].hits, 1);  // East takes 0, 4, 9 and 4: 8 once

    // SA by North: 13, 9, 4, 9 tricks, game (9) three times.
    EXPECT_EQ(update.figures[2].name, "SA par Nord : 9 levées ou plus ; moyenne 8,75");
    EXPECT_EQ(update.figures[2].hits, 3);
    // ♠ by East: 0, 4, 9, 4, never 10.
    EXPECT_EQ(update.figures[7].name, "♠ par Est : 10 levées ou plus ; moyenne 4,25");
    EXPECT_EQ(update.figures[7].hits, 0);
    // ♣ by West, the last strain row: game is 11.
    EXPECT_EQ(update.figures[21].name, "♣ par Ouest : 11 levées ou plus ; moyenne 4,25");

    EXPECT_EQ(update.figures[22].name, "Par de Nord-Sud, personne vulnérable : +2220");
    EXPECT_EQ(update.figures[23].name, "Par de Nord-Sud, personne vulnérable : +400");
    EXPECT_EQ(update.figures[24].name, "Par de Nord-Sud, personne vulnérable : -420");
    EXPECT_EQ(update.figures[24].hits, 1);

    // Each figure says whose tricks its chart shows: 4 × strain + declarer.
    EXPECT_EQ(update.figures[0].tricks, 2);          // SA, South
    EXPECT_EQ(update.figures[1].tricks, 4 * 2 + 1);  // ♥, East
    EXPECT_EQ(update.figures[7].tricks, 4 * 1 + 1);
    EXPECT_EQ(update.figures[22].tricks, -1);
    const auto& southNoTrump = update.detail.tricks[0][2];
    EXPECT_EQ(southNoTrump[13], 1);
    EXPECT_EQ(southNoTrump[9], 2);
    EXPECT_EQ(southNoTrump[4], 1);
    EXPECT_EQ(update.detail.parScores.front(), (std::pair<int, std::int64_t>{2220, 1}));
}

TEST(AnalysisTally, GameIsNineAtNoTrumpTenInAMajorElevenInAMinor) {
    EXPECT_EQ(gameTricks(Strain::NoTrump), 9);
    EXPECT_EQ(gameTricks(Strain::Spades), 10);
    EXPECT_EQ(gameTricks(Strain::Hearts), 10);
    EXPECT_EQ(gameTricks(Strain::Diamonds), 11);
    EXPECT_EQ(gameTricks(Strain::Clubs), 11);
}

}  // namespace
