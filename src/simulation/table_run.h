#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "condition/condition.h"
#include "condition/matcher.h"
#include "engine/dealer.h"
#include "exact/exact_odds.h"
#include "simulation/batch_loop.h"
#include "simulation/batch_run.h"
#include "simulation/progress.h"

namespace ondiscale {

inline constexpr std::int32_t kTableBatch = kBatchDeals;

// The last whole deals of a run that counted.
using KeptDeals = KeptRing<Deal>;

// Deals one batch of 100,000 whole deals, with the placed cards where they
// belong when there are any, and counts those that meet the known part of
// the question and, among them, those that meet both parts, keeping these
// in `kept`. Moves the bar every 1,000 deals and leaves it at 0. Allocates
// nothing.
BatchCount dealTableBatch(Dealer& dealer, const PlacedCards* placed, const QuestionMatcher& matcher,
                          Progress& progress, KeptDeals& kept);

// The exact share of the deals meeting the known part that meet the
// asked part, where it can be counted in about a tenth of a second, so
// that the window may wait for it; otherwise nothing, never a wrong
// value, and the reason, which says when a longer count is worth making
// aside (countsLonger).
ExactOdds quickOdds(const Condition& condition);
bool countsLonger(const ExactOdds& odds);

// How often a whole deal meets a question, in batches of 100,000 deals:
// with nothing known, the share of all deals that meet the asked part;
// otherwise the share, among the deals that meet the known part, of those
// that also meet the asked part. A lone known alternative's cards are
// dealt where they belong and the other cards at random. The journal gets
// the last 1,000 deals that met both parts (the first five are shown, all
// are exported); the run keeps the last 100,000 for an analysis of them.
class TableRun final : public BatchedRun {
public:
    static constexpr std::size_t kKept = 100'000;
    static constexpr std::size_t kForTheJournal = 1'000;

    // The exact answer is `odds`, or the quick one when none is given.
    TableRun(const Condition& condition, Dealer& dealer, Progress& progress,
             std::optional<ExactOdds> odds = std::nullopt);
    TableRun(const TableBounds& bounds, Dealer& dealer, Progress& progress)
        : TableRun(askedOnly(bounds), dealer, progress) {}

    // The exact answer counted aside, once the run has started: the
    // reports that follow give it.
    void exactFound(const ExactOdds& odds);

    [[nodiscard]] const RunPlan& plan() const override { return plan_; }
    void dealBatch(Tally& tally) override;
    [[nodiscard]] Report report(const Tally& tally, const NumberStyle& style) const override;
    [[nodiscard]] std::vector<Example> examples(const Tally& tally) const override;

    [[nodiscard]] const KeptDeals& kept() const { return kept_; }

private:
    QuestionMatcher matcher_;
    std::optional<PlacedCards> placed_;
    bool knows_;
    Dealer& dealer_;
    Progress& progress_;
    RunPlan plan_;
    KeptDeals kept_{kKept};
};

// The report after a batch, with the decimals and groups of the journal's
// rule: "Donnes précisées : 4 530 sur 100 000, soit 4,53 %".
Report tableReport(std::int64_t hits, std::int64_t deals, std::string_view decimalSeparator,
                   std::string_view groupSeparator);

// The report of a question with something known: "Sachant que … :
// Nord-Sud ont 25 points ou plus dans 41,9 % des donnes (exact 41,98 %)",
// then how many deals met the known part and how many of them the asked
// part.
Report knownReport(std::string_view question, std::int64_t hits, std::int64_t known,
                   std::int64_t deals, std::optional<double> exact,
                   std::string_view decimalSeparator, std::string_view groupSeparator);

}  // namespace ondiscale
