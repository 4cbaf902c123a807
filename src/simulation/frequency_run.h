#pragma once

#include <array>
#include <cstdint>

#include "condition/hand_bounds.h"
#include "engine/dealer.h"
#include "simulation/batch_loop.h"
#include "simulation/batch_run.h"
#include "simulation/progress.h"

namespace ondiscale {

inline constexpr std::int32_t kFrequencyBatch = kBatchDeals;

// The last hands of a run that met the bounds.
inline constexpr std::size_t kRecentHits = 5;
using RecentHits = KeptRing<Hand>;

// Deals one batch of 100,000 hands to South and returns how many met the
// bounds. Moves the bar every 1,000 deals and leaves it at 0, and keeps
// the last hits in `recent`. Shows no dialogue and allocates nothing.
std::int32_t dealFrequencyBatch(Dealer& dealer, const HandBounds& bounds, Progress& progress,
                                RecentHits& recent);

// The report after a batch: "Sud précisé: 5123 soit 5.123%" under
// "Statistiques sur 100000 tirages au hasard. Voulez-vous continuer?".
Report frequencyReport(std::int64_t hits, std::int64_t deals, std::string_view decimalSeparator);

// How often South is dealt a hand that meets the bounds, in batches of
// 100,000 deals; the bar is shown at 0 when each batch starts.
class FrequencyRun final : public BatchedRun {
public:
    FrequencyRun(const HandBounds& bounds, Dealer& dealer, Progress& progress);

    [[nodiscard]] const RunPlan& plan() const override { return plan_; }
    void dealBatch(Tally& tally) override;
    [[nodiscard]] Report report(const Tally& tally, const NumberStyle& style) const override;
    [[nodiscard]] std::vector<Example> examples(const Tally& tally) const override;

private:
    HandBounds bounds_;
    Dealer& dealer_;
    Progress& progress_;
    RunPlan plan_;
    RecentHits recent_{kRecentHits};
};

// A whole run, batch after batch until the user answers anything but Oui;
// the bar is hidden at the end.
void runFrequency(const HandBounds& bounds, Dealer& dealer, Progress& progress, Dialogue& dialogue,
                  RunObserver* observer);

}  // namespace ondiscale
