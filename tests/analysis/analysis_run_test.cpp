#include "analysis/analysis_run.h"

#include <gtest/gtest.h>

#include "counting_clock.h"
#include "doubledummy/pbn_tables.h"
#include "doubledummy/solver.h"
#include "engine/dealer.h"
#include "formats/pbn_export.h"

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

// The value of each `[name "value"]` tag of a PBN text, game after game.
std::vector<std::string> tagValues(const std::string& pbn, const std::string& name) {
    std::vector<std::string> values;
    const std::string head = "[" + name + " \"";
    for (std::size_t at = pbn.find(head); at != std::string::npos; at = pbn.find(head, at + 1)) {
        const std::size_t from = at + head.size();
        values.push_back(pbn.substr(from, pbn.find('"', from) - from));
    }
    return values;
}

// The analysed deals, written as PBN boards, carry the par of their own
// board: its dealer and vulnerability as the file says them, the 16-board
// rotation starting again at board 17.
TEST(AnalyseDeals, EachBoardsParIsThatOfItsDealerAndVulnerability) {
    AnalysisRequest request{randomDeals(18), {}};
    std::vector<Example> examples;
    AnalysisListener listener{{}, [&](AnalysisUpdate update) { examples = update.examples; }};
    ASSERT_FALSE(analyseDeals(request, {}, listener));
    ASSERT_EQ(examples.size(), 18U);
    const std::string pbn = pbnExportText(examples, "Analyse", "2026.12.09");
    const std::vector<std::string> dealers = tagValues(pbn, "Dealer");
    const std::vector<std::string> vulnerable = tagValues(pbn, "Vulnerable");
    const std::vector<std::string> scores = tagValues(pbn, "OptimumScore");
    const std::vector<std::string> contracts = tagValues(pbn, "ParContract");
    ASSERT_EQ(dealers.size(), 18U);
    ASSERT_EQ(vulnerable.size(), 18U);
    ASSERT_EQ(scores.size(), 18U);
    ASSERT_EQ(contracts.size(), 18U);
    // Boards 1 to 16 as printed on a board, and 17 as 1.
    const char* kDealers[] = {"N", "E", "S", "W", "N", "E", "S", "W", "N",
                              "E", "S", "W", "N", "E", "S", "W", "N", "E"};
    const char* kVulnerable[] = {"None", "NS",   "EW", "All", "NS",   "EW", "All", "None", "EW",
                                 "All",  "None", "NS", "All", "None", "NS", "EW",  "None", "NS"};
    const auto seatOf = [](const std::string& letter) {
        return kSeats[std::string_view("NESW").find(letter)];
    };
    const auto vulnerabilityOf = [](const std::string& text) {
        const std::vector<std::string> names{"None", "NS", "EW", "All"};
        return static_cast<Vulnerability>(std::find(names.begin(), names.end(), text) -
                                          names.begin());
    };
    int differ = 0;  // boards whose par North dealing, nobody vulnerable, is another
    for (std::size_t i = 0; i < examples.size(); ++i) {
        SCOPED_TRACE("board " + std::to_string(i + 1));
        EXPECT_EQ(dealers[i], kDealers[i]);
        EXPECT_EQ(vulnerable[i], kVulnerable[i]);
        ASSERT_TRUE(examples[i].tricks && examples[i].par);
        const auto par =
            parOf(*examples[i].tricks, seatOf(dealers[i]), vulnerabilityOf(vulnerable[i]));
        ASSERT_TRUE(par.has_value());
        EXPECT_EQ(*examples[i].par, *par);
        EXPECT_EQ(tagValues(parTagsText(*par), "OptimumScore"),
                  std::vector<std::string>{scores[i]});
        EXPECT_EQ(tagValues(parTagsText(*par), "ParContract"),
                  std::vector<std::string>{contracts[i]});
        differ += parOf(*examples[i].tricks, Seat::North, Vulnerability::None) != *par ? 1 : 0;
    }
    EXPECT_GT(differ, 0) << "deals where the board's dealer and vulnerability matter";
}

}  // namespace
