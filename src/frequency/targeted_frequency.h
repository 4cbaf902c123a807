#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dialogue/dialogue.h"
#include "engine/dealer.h"
#include "frequency/bounds.h"
#include "frequency/frequency_view.h"

namespace ondiscale {

// Hits and batches of a frequency run so far. 64 bits wide: a run can go
// on far past the 21,474 batches that would fill 32 bits of deals.
struct FrequencyTally {
    std::int64_t hits = 0;
    std::int64_t batches = 0;
};

inline constexpr std::int32_t kFrequencyBatch = 100'000;

// The last hands of a run that met the bounds. Each deal is dealt straight
// into ring[next], which moves on only on a hit, so the hits stay and a
// miss is dealt over: no copy and no branch per deal.
struct RecentHits {
    static constexpr std::size_t kKept = 5;
    std::array<MainSud, kKept + 1> ring{};
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

// Whoever follows a frequency run: told when it starts and after each
// batch, before the report is shown.
class FrequencyObserver {
public:
    virtual ~FrequencyObserver() = default;
    virtual void frequencyRunStarted(const BoundsArray& Bornes) = 0;
    virtual void frequencyBatchDealt(const FrequencyTally& tally, const RecentHits& recent) = 0;
};

// The report after a batch: its prompt and its title.
struct FrequencyReport {
    std::string prompt;
    std::string title;
};
FrequencyReport frequencyReport(const FrequencyTally& tally, std::string_view decimalSeparator);

// Deals one batch of 100,000 hands and returns how many met every bound.
// Moves the progress bar every 1,000 deals and leaves it at 0, and keeps
// the last hits in `recent`. Shows no dialogue and allocates nothing.
std::int32_t dealFrequencyBatch(Dealer& dealer, const BoundsArray& Bornes, FrequencyView& view,
                                RecentHits& recent);

// The targeted hand frequency: the stored bounds, their validation
// against the bound boxes, and the run of batches.
class TargetedFrequency {
public:
    TargetedFrequency(FrequencyView& view, Dialogue& dialogue, Dealer& dealer)
        : view_(view), dialogue_(dialogue), dealer_(dealer) {}

    // Card bounds and boxes back to 0 and 13.
    void DefautC();
    // Point bounds and boxes back to 0 and 37.
    void DefautH();
    // The three checks of the boxes; a failed one tells the user and
    // resets its group. Never stores the boxes.
    bool Verif();
    // Verif, then the boxes into the stored bounds; true when stored.
    bool Enregistre();
    // The stored bounds into positions 1 to 10.
    void Transport(BoundsArray& Bornes) const;

    // One whole run, batch after batch until the user answers No.
    void ProbaSprecise();
    // The click of "Fréquence pour 100.000 tirages".
    void Command2Click();

    [[nodiscard]] const StoredBounds& stored() const { return bounds_; }

    // Follows every later run; nullptr for none.
    void setObserver(FrequencyObserver* observer) { observer_ = observer; }

private:
    [[nodiscard]] std::optional<std::uint8_t> box(int n) const {
        return boxValue(view_.boxText(n));
    }
    void impossible();

    StoredBounds bounds_;
    FrequencyView& view_;
    Dialogue& dialogue_;
    Dealer& dealer_;
    FrequencyObserver* observer_ = nullptr;
};

}  // namespace ondiscale
