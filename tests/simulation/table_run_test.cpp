#include "simulation/table_run.h"

#include <gtest/gtest.h>

#include <cmath>

#include "condition/matcher.h"
#include "condition/shapes.h"
#include "engine/hand_measures.h"
#include "fake_progress.h"
#include "journal/journal.h"
#include "scripted_dialogue.h"
#include "text/text_fill.h"

using namespace ondiscale;

namespace {

TableBounds northSouthGame() {
    TableBounds bounds;
    bounds.side(Side::NorthSouth).points = {25, 40};
    bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    return bounds;
}

// A run of two batches followed by the journal: its title, its exact
// probability, its hits within five deviations of it, and its examples,
// newest first, every one meeting the bounds.
TEST(TableRun, ARunAndItsJournalEntry) {
    ScriptedDialogue dialogue;
    dialogue.separator = ",";
    dialogue.group = " ";
    dialogue.answers = {Answer::Yes, Answer::No};
    FakeProgress progress;
    Dealer dealer;
    Journal journal;
    TableRun run(northSouthGame(), dealer, progress);
    const Tally tally = runBatches(run, dialogue, &journal);

    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[1].title, "Statistiques sur 200 000 donnes. Voulez-vous continuer ?");
    EXPECT_TRUE(reports[1].prompt.starts_with("Donnes précisées : "));
    EXPECT_TRUE(reports[1].prompt.ends_with(" %"));

    const JournalEntry& entry = journal.entries().at(0);
    EXPECT_EQ(entry.kind, RunKind::Table);
    EXPECT_EQ(entry.condition, "Nord-Sud : 8 ≤ ♠ ≤ 13, 25 ≤ points ≤ 40");
    ASSERT_EQ(entry.figures.size(), 1U);
    EXPECT_EQ(entry.figures[0].name, "Donne précisée");
    ASSERT_TRUE(entry.figures[0].exact.has_value());
    EXPECT_NEAR(*entry.figures[0].exact, 0.04530308, 5e-9);
    const double sd = std::sqrt(200'000 * 0.0453 * 0.9547);
    EXPECT_NEAR(static_cast<double>(tally.hits[0]), 200'000 * 0.04530308, 5 * sd + 3);

    EXPECT_EQ(static_cast<std::int64_t>(entry.examples.size()),
              std::min<std::int64_t>(tally.hits[0], 1000));
    const TableCheck check(northSouthGame());
    for (const Example& e : entry.examples) {
        EXPECT_TRUE(e.wholeDeal);
        EXPECT_TRUE(check.meets(measureTable(e.deal)));
    }
    EXPECT_NE(entry.examples[0].deal, entry.examples[1].deal);
    EXPECT_EQ(run.kept().size(), static_cast<std::size_t>(tally.hits[0]));
}

TEST(TableRun, ReportsByTheJournalsRule) {
    struct Row {
        std::int64_t hits, deals;
        const char *prompt, *title;
    };
    const Row rows[] = {
        {4530, 100'000, "Donnes précisées : 4 530 sur 100 000, soit 4,53 %",
         "Statistiques sur 100 000 donnes. Voulez-vous continuer ?"},
        {0, 100'000, "Donnes précisées : 0 sur 100 000, soit 0,0000 %",
         "Statistiques sur 100 000 donnes. Voulez-vous continuer ?"},
        {1'000'000, 1'000'000, "Donnes précisées : 1 000 000 sur 1 000 000, soit 100,00000 %",
         "Statistiques sur 1 000 000 donnes. Voulez-vous continuer ?"},
    };
    for (const Row& r : rows) {
        const Report report = tableReport(r.hits, r.deals, ",", " ");
        EXPECT_EQ(report.prompt, r.prompt);
        EXPECT_EQ(report.title, r.title);
    }
}

TEST(TextFill, PlacesFilledInAnyOrder) {
    EXPECT_EQ(fill("%2 avant %1, 100 %", {"a", "b"}), "b avant a, 100 %");
    EXPECT_EQ(fill("%3 manque", {"a"}), "%3 manque");
}

}  // namespace

// A count that would keep the window waiting is made aside: the run
// starts without it, and the reports that follow give it once found. A
// count that cannot be made at all is not tried again.
TEST(TableRun, ALongExactCountIsMadeAside) {
    Condition everyHandRegular;  // its count takes about half a second
    for (HandBounds& hand : everyHandRegular.known.alternatives.front().bounds.hands) {
        hand.points = {8, 12};
    }
    for (ShapeSet& shape : everyHandRegular.asked.alternatives.front().shapes) {
        shape = *readShapes("régulière").shapes;
    }
    Condition fiveAlternatives;
    fiveAlternatives.asked.alternatives.resize(5);
    Condition impossibleKnown;
    impossibleKnown.known.alternatives.front().bounds.hand(Seat::North).points = {38, 40};

    struct Row {
        const char* name;
        Condition condition;
        bool longer;
        const char* why;
    };
    const Row rows[] = {
        {"every hand regular", everyHandRegular, true, "le calcul exact prendrait trop de temps"},
        {"five alternatives", fiveAlternatives, false,
         "la combinatoire ne sait pas compter ce cas"},
        {"38 points known", impossibleKnown, false, "aucune donne ne remplit ce que l'on sait"},
    };
    for (const Row& row : rows) {
        const ExactOdds quick = quickOdds(row.condition);
        EXPECT_FALSE(quick.probability.has_value()) << row.name;
        EXPECT_EQ(quick.whyNot, row.why) << row.name;
        EXPECT_EQ(countsLonger(quick), row.longer) << row.name;
    }

    FakeProgress progress;
    Dealer dealer;
    TableRun run(everyHandRegular, dealer, progress, quickOdds(everyHandRegular));
    Tally tally;
    tally.hits.resize(1);
    run.dealBatch(tally);
    tally.deals = kTableBatch;
    const NumberStyle style{",", " "};
    EXPECT_NE(run.report(tally, style).prompt.find("(exact —)"), std::string::npos);
    const ExactOdds odds = exactOdds(everyHandRegular);
    ASSERT_TRUE(odds.probability.has_value());
    run.exactFound(odds);
    run.dealBatch(tally);
    tally.deals += kTableBatch;
    const std::string prompt = run.report(tally, style).prompt;
    EXPECT_EQ(prompt.find("(exact —)"), std::string::npos) << prompt;
    EXPECT_NE(prompt.find("(exact "), std::string::npos) << prompt;
}
