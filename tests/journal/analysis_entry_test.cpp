#include <gtest/gtest.h>

#include "formats/journal_file_v1.h"
#include "formats/pbn.h"
#include "journal/journal.h"
#include "journal/journal_text.h"
#include "journal_file_v1_text.h"

using namespace ondiscale;

namespace {

AnalysisUpdate updateAt(std::int64_t deals, std::int64_t made, std::vector<int> parScores) {
    AnalysisUpdate update;
    update.deals = deals;
    update.figures.push_back({"3SA Sud : réussi", made, 2});
    update.figures.push_back({"SA par Sud : 9 levées ou plus", made, 2});
    for (const int score : parScores) {
        update.figures.push_back(
            {"Par de Nord-Sud, personne vulnérable : " + std::to_string(score), 1, kParBars});
        update.detail.parScores.emplace_back(score, 1);
    }
    update.detail.tricks[0][2][9] = made;
    update.detail.tricks[0][2][8] = deals - made;
    return update;
}

// Each step replaces the figures; a figure keeps its history, a par score
// that appears starts one.
TEST(AnalysisEntry, StepsReplaceTheFiguresAndKeepEachOnesHistory) {
    Journal journal;
    journal.runStarted({RunKind::Analysis, "25 ≤ points de Nord-Sud ≤ 40", 0, {}});
    journal.analysisDealt(0, updateAt(8, 5, {400}));
    // Another run may start while the analysis goes on.
    journal.runStarted({RunKind::Table, "…", 100'000, {{"Donne précisée", std::nullopt, ""}}});
    journal.analysisDealt(0, updateAt(16, 9, {400, -50}));

    const JournalEntry& entry = journal.entries().front();
    EXPECT_EQ(runTitle(entry), "Analyse à quatre jeux : 25 ≤ points de Nord-Sud ≤ 40");
    EXPECT_EQ(entry.deals, 16);
    ASSERT_EQ(entry.figures.size(), 4U);
    EXPECT_EQ(entry.figures[1].name, "SA par Sud : 9 levées ou plus");
    EXPECT_EQ(entry.figures[1].history.points().size(), 2U);
    EXPECT_EQ(entry.figures[3].history.points().size(), 1U);
    EXPECT_FALSE(entry.figures[0].exact) << "no exact value for an analysis";
    ASSERT_TRUE(entry.analysis);
    EXPECT_EQ(entry.analysis->figureTricks, (std::vector<int>{2, 2, -1, -1}));

    // Steps of an analysis never land on another kind of run.
    journal.analysisDealt(1, updateAt(24, 10, {}));
    EXPECT_EQ(journal.entries().back().figures.size(), 1U);
    EXPECT_EQ(journal.entries().back().deals, 0);

    // Stopped, it says so after its deals.
    journal.analysisStopped(0);
    EXPECT_EQ(runLabel(journal.entries().front(), " "),
              "Analyse à quatre jeux : 25 ≤ points de Nord-Sud ≤ 40 — arrêtée après 16 donnes");
    journal.analysisStopped(1);
    EXPECT_FALSE(journal.entries().back().stopped) << "only an analysis stops so";
}

// An analysis in a session file comes back whole: its bars, which figure
// shows which, and its deals with their tricks and par.
TEST(AnalysisEntry, ASessionFileKeepsTheTricksTheParAndTheAnalysedDeals) {
    Journal journal;
    journal.runStarted({RunKind::Analysis, "12 ≤ points de Sud ≤ 14", 0, {}});
    AnalysisUpdate update = updateAt(8, 5, {400, -50});
    Example example;
    example.figure = "Donne analysée";
    example.wholeDeal = true;
    for (std::size_t card = 0; card < 52; ++card) {
        example.deal[card / 13][card % 13] = static_cast<Card>(kLowestCard + card);
    }
    example.tricks.emplace();
    example.tricks->tricks[0] = {13, 0, 13, 0};
    example.tricks->tricks[4] = {0, 7, 0, 7};
    example.par = ParResult{-90, "EW 1C"};
    update.examples.push_back(example);
    journal.analysisDealt(0, update);

    const JournalFileReading read = readJournalFileV1(v1::journalFileText(journal.entries()));
    ASSERT_TRUE(read.entries) << read.damage;
    const JournalEntry& back = read.entries->front();
    EXPECT_EQ(back.kind, RunKind::Analysis);
    ASSERT_TRUE(back.analysis);
    EXPECT_EQ(back.analysis->tricks, journal.entries().front().analysis->tricks);
    EXPECT_EQ(back.analysis->parScores,
              (std::vector<std::pair<int, std::int64_t>>{{400, 1}, {-50, 1}}));
    EXPECT_EQ(back.analysis->figureTricks, (std::vector<int>{2, 2, -1, -1}));
    ASSERT_EQ(back.examples.size(), 1U);
    EXPECT_EQ(back.examples[0].tricks, example.tricks);
    ASSERT_TRUE(back.examples[0].par);
    EXPECT_EQ(back.examples[0].par->northSouthScore, -90);
    EXPECT_EQ(back.examples[0].par->contracts, "EW 1C");

    // A bar's counts cut short are damage, said with their line.
    std::string text = v1::journalFileText(journal.entries());
    const std::string whole = "deals=0,0,0,0,0,0,0,0,3,5,0,0,0,0";
    const std::size_t at = text.find(whole);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, whole.size(), "deals=0,0,0,3,5");
    const JournalFileReading cut = readJournalFileV1(text);
    EXPECT_FALSE(cut.entries);
    EXPECT_EQ(cut.damage, "ligne 6 : le champ « deals » annonce 14, le fichier en donne 5");
}

// An analysed deal in PBN: its tricks as the OptimumResultTable, then its
// par, after the mandatory tags.
TEST(AnalysisEntry, AnAnalysedDealInPbnCarriesItsTableAndPar) {
    PbnGame game;
    for (std::size_t card = 0; card < 52; ++card) {
        game.deal[card / 13][card % 13] = static_cast<Card>(kLowestCard + card);
    }
    game.tricks.emplace();
    for (auto& strain : game.tricks->tricks) {
        strain = {13, 0, 13, 0};
    }
    game.par = ParResult{2220, "NS 7NT"};
    const std::string text = pbnText({game}, "essai", "2026.12.08");
    const std::size_t result = text.find("[Result \"\"]");
    const std::size_t table =
        text.find("[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\nN NT 13\n");
    const std::size_t par = text.find("[ParContract \"NS 7NT\"]");
    ASSERT_NE(table, std::string::npos) << text;
    ASSERT_NE(par, std::string::npos) << text;
    EXPECT_LT(result, table);
    EXPECT_NE(text.find("W  C  0\n"), std::string::npos) << text;
}

}  // namespace
