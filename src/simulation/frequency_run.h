#pragma once

#include <array>
#include <cstdint>

#include "engine/dealer.h"
#include "condition/hand_bounds.h"
#include "simulation/batch_run.h"
#include "simulation/progress.h"

namespace ondiscale {

inline constexpr std::int32_t kFrequencyBatch = 100'000;

// The last hands of a run that met the bounds. Each deal is dealt straight
// into ring[next], which moves on only on a hit, so the hits stay and a
// miss is dealt over: no copy and no branch per deal.
struct RecentHits {
    static constexpr std::size_t kKept = 5;
    std::array<Hand, kKept + 1> ring{};
    std::size_t next = 0;

    // The last min(hits, 5) hands that met the bounds, newest first.
    template <typename F>
    void forEachNewest(std::int64_t hits, F&& f) const {
        std::size_t slot = next;
        for (std::int64_t n = 0; n < hits && n < static_cast<std::int64_t>(kKept); ++n) {
            slot = slot == 0 ? kKept : slot - 1;
            f(ring[slot]);
        }
    }
};

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
    RecentHits recent_;
};

// A whole run, batch after batch until the user answers anything but Oui;
// the bar is hidden at the end.
void runFrequency(const HandBounds& bounds, Dealer& dealer, Progress& progress, Dialogue& dialogue,
                  RunObserver* observer);

}  // namespace ondiscale
