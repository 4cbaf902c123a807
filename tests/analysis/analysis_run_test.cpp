#include "analysis/analysis_run.h"

#include <gtest/gtest.h>

#include "counting_clock.h"
#include "doubledummy/solver.h"
#include "engine/dealer.h"

using namespace ondiscale;

namespace {

std::vector<Deal> randomDeals(std::size_t count) {
    Dealer dealer(Generator::seeded(20261208), CountingClock::read);
    std::vector<Deal> deals(count);
    for (Deal& deal : deals) {
        dealer.dealTable(deal);
    }
    return deals;
}

// The figures counted step by step agree with the solver called once on
// all the deals; the bar reaches the end; each example carries its own
// deal's tricks and its board's par.
TEST(AnalyseDeals, CountsWhatTheSolverSaysStepByStep) {
    AnalysisRequest request{randomDeals(12), {{3, Strain::NoTrump, Seat::South}}};
    std::vector<AnalysisUpdate> updates;
    std::size_t lastDone = 0;
    AnalysisListener listener{[&](std::size_t done, std::size_t total) {
                                  EXPECT_EQ(total, 12U);
                                  EXPECT_GE(done, lastDone);
                                  lastDone = done;
                              },
                              [&](AnalysisUpdate update) { updates.push_back(std::move(update)); }};
    EXPECT_FALSE(analyseDeals(request, {}, listener));
    EXPECT_EQ(lastDone, 12U);
    ASSERT_EQ(updates.size(), 2U);  // 8, then 12 deals
    EXPECT_EQ(updates[0].deals, 8);
    const AnalysisUpdate& last = updates.back();
    EXPECT_EQ(last.deals, 12);

    const SolvedDeals solved = solveDeals(request.deals);
    ASSERT_EQ(solved.tables.size(), 12U);
    std::int64_t made = 0;
    for (const TrickTable& table : solved.tables) {
        made += table.of(Strain::NoTrump, Seat::South) >= 9 ? 1 : 0;
    }
    EXPECT_EQ(last.figures[0].name, "3SA Sud : réussi");
    EXPECT_EQ(last.figures[0].hits, made);

    ASSERT_EQ(last.examples.size(), 12U);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(last.examples[i].deal, request.deals[i]);
        EXPECT_EQ(last.examples[i].tricks, solved.tables[i]);
        const int board = static_cast<int>(i) + 1;
        const auto par = parOf(solved.tables[i], kSeats[i % 4], vulnerabilityOfBoard(board));
        ASSERT_TRUE(last.examples[i].par.has_value());
        EXPECT_EQ(last.examples[i].par->contracts, par->contracts) << "board " << board;
    }
}

// A stop asked after the first step: what was analysed is kept and the
// rest left, with no error.
TEST(AnalyseDeals, AStopKeepsWhatWasAnalysed) {
    AnalysisRequest request{randomDeals(16), {}};
    std::stop_source stop;
    std::vector<std::int64_t> seen;
    AnalysisListener listener{{}, [&](AnalysisUpdate update) {
                                  seen.push_back(update.deals);
                                  stop.request_stop();
                              }};
    EXPECT_FALSE(analyseDeals(request, stop.get_token(), listener));
    EXPECT_EQ(seen, std::vector<std::int64_t>{8});
}

}  // namespace
