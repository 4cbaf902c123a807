#include <gtest/gtest.h>

#include <set>

#include "analysis/analysis_run.h"
#include "counting_clock.h"
#include "engine/dealer.h"
#include "formats/session_file.h"
#include "journal/journal.h"

using namespace ondiscale;

namespace {

// An analysis made by the analysis code itself, a contract for the last
// strain and declarer among those asked, saved and reopened: every figure,
// bar chart, par and analysed deal comes back as it was.
TEST(AnalysisSession, ARealAnalysisSavesAndReopensIdentical) {
    Dealer dealer(Generator::seeded(20261209), CountingClock::read);
    AnalysisRequest request;
    request.deals.resize(10);
    for (Deal& deal : request.deals) {
        dealer.dealTable(deal);
    }
    request.contracts = {{3, Strain::NoTrump, Seat::South}, {5, Strain::Clubs, Seat::West}};
    Journal journal;
    journal.runStarted({RunKind::Analysis, "Nord : 12 ≤ points ≤ 37", 0, {}});
    AnalysisListener listener{
        {}, [&](AnalysisUpdate update) { journal.analysisDealt(0, std::move(update)); }};
    ASSERT_FALSE(analyseDeals(request, {}, listener));

    const JournalEntry& made = journal.entries().at(0);
    ASSERT_EQ(made.deals, 10);
    ASSERT_TRUE(made.analysis.has_value());
    // Every strain and declarer charted, clubs by West (the last) too.
    const std::set<int> charted(made.analysis->figureTricks.begin(),
                                made.analysis->figureTricks.end());
    for (const Strain strain : kStrains) {
        for (const Seat declarer : kSeats) {
            EXPECT_TRUE(charted.contains(trickBars(strain, declarer)))
                << index(strain) << "/" << index(declarer);
        }
    }
    EXPECT_EQ(made.analysis->figureTricks.at(1), trickBars(Strain::Clubs, Seat::West));
    EXPECT_TRUE(charted.contains(kParBars));
    ASSERT_EQ(made.examples.size(), 10U);

    const SessionReading read =
        readSessionFile(sessionFileText(journal.entries(), "2026-12-09T10:00:00Z"));
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    ASSERT_EQ(read.entries->size(), 1U);
    const JournalEntry& back = read.entries->front();
    EXPECT_EQ(back.figures, made.figures);
    EXPECT_EQ(back.analysis, made.analysis);
    EXPECT_EQ(back.examples, made.examples);
    EXPECT_EQ(back, made);
}

}  // namespace
