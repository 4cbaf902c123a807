#pragma once

#include <cstdint>
#include <vector>

#include "engine/dealer.h"
#include "condition/matcher.h"
#include "simulation/batch_run.h"
#include "simulation/progress.h"

namespace ondiscale {

inline constexpr std::int32_t kTableBatch = 100'000;

// The last deals of a run that met the bounds, up to `capacity`. Each deal
// is dealt straight into the next free place, which moves on only on a
// hit: no copy and no branch per deal.
class KeptDeals {
public:
    explicit KeptDeals(std::size_t capacity) : ring_(capacity + 1) {}

    // Where the next deal goes.
    Deal& next() { return ring_[next_]; }
    // Keeps that deal when `hit` is 1, forgets it when 0.
    void keep(unsigned hit) {
        next_ += hit;
        next_ = next_ == ring_.size() ? 0 : next_;
        kept_ = std::min(kept_ + hit, ring_.size() - 1);
    }
    // The last `most` deals kept, newest first.
    [[nodiscard]] std::vector<Deal> newest(std::size_t most) const;
    [[nodiscard]] std::size_t size() const { return kept_; }

private:
    std::vector<Deal> ring_;
    std::size_t next_ = 0;
    std::size_t kept_ = 0;
};

// Deals one batch of 100,000 whole deals and returns how many met the
// bounds, keeping those in `kept`. Moves the bar every 1,000 deals and
// leaves it at 0. Allocates nothing.
std::int32_t dealTableBatch(Dealer& dealer, const TableCheck& check, Progress& progress,
                            KeptDeals& kept);

// How often a whole deal meets the table's bounds, in batches of 100,000
// deals. The journal gets the last 1,000 deals that did (the first five
// are shown, all are exported); the run keeps the last 100,000 for an
// analysis of them.
class TableRun final : public BatchedRun {
public:
    static constexpr std::size_t kKept = 100'000;
    static constexpr std::size_t kForTheJournal = 1'000;

    TableRun(const TableBounds& bounds, Dealer& dealer, Progress& progress);

    [[nodiscard]] const RunPlan& plan() const override { return plan_; }
    void dealBatch(Tally& tally) override;
    [[nodiscard]] Report report(const Tally& tally, const NumberStyle& style) const override;
    [[nodiscard]] std::vector<Example> examples(const Tally& tally) const override;

    [[nodiscard]] const KeptDeals& kept() const { return kept_; }

private:
    TableCheck check_;
    Dealer& dealer_;
    Progress& progress_;
    RunPlan plan_;
    KeptDeals kept_{kKept};
};

// The report after a batch, with the decimals and groups of the journal's
// rule: "Donnes précisées : 4 530 sur 100 000, soit 4,53 %".
Report tableReport(std::int64_t hits, std::int64_t deals, std::string_view decimalSeparator,
                   std::string_view groupSeparator);

}  // namespace ondiscale
