#include "dialogue/number_text.h"
#include "engine/hand_measures.h"
#include "frequency/targeted_frequency.h"

namespace ondiscale {
namespace {

// 1 when low <= value <= high, else 0.
int within(std::uint8_t low, std::uint8_t value, std::uint8_t high) {
    return static_cast<int>(low <= value) & static_cast<int>(value <= high);
}

}  // namespace

FrequencyReport frequencyReport(const FrequencyTally& tally, std::string_view decimalSeparator) {
    const std::int64_t deals = tally.batches * kFrequencyBatch;
    const auto percent = static_cast<float>(static_cast<double>(tally.hits) /
                                            (static_cast<double>(tally.batches) * 1000.0));
    return {
        "Sud précisé: " + wholeText(tally.hits) + " soit " + singleText(percent, decimalSeparator) +
            "%",
        "Statistiques sur " + wholeText(deals) + " tirages au hasard. Voulez-vous continuer?",
    };
}

std::int32_t dealFrequencyBatch(Dealer& dealer, const BoundsArray& Bornes, FrequencyView& view,
                                RecentHits& recent) {
    std::size_t next = recent.next;
    std::int32_t hits = 0;
    int shown = 0;  // the caller shows the bar at 0
    for (std::int32_t i = 1; i <= kFrequencyBatch; ++i) {
        const int progress = i < kFrequencyBatch ? i / 1000 : 0;
        if (progress != shown) {
            view.setProgressValue(progress);
            shown = progress;
        }
        MainSud& hand = recent.ring[next];
        dealer.TirageS(hand);
        const SuitLengths l = Lengths(hand);
        const std::uint8_t points = PointsH(hand);
        // All five ranges, inclusive, combined with & rather than && so
        // that no branch is mispredicted on random hands.
        const int hit =
            within(Bornes[1], l.spades, Bornes[2]) & within(Bornes[3], l.hearts, Bornes[4]) &
            within(Bornes[5], l.diamonds, Bornes[6]) & within(Bornes[7], l.clubs, Bornes[8]) &
            within(Bornes[9], points, Bornes[10]);
        hits += hit;
        next += static_cast<std::size_t>(hit);
        next = next == recent.ring.size() ? 0 : next;
    }
    recent.next = next;
    return hits;
}

void TargetedFrequency::ProbaSprecise() {
    FrequencyTally tally;
    RecentHits recent;
    BoundsArray Bornes{};
    Transport(Bornes);
    if (observer_ != nullptr) {
        observer_->frequencyRunStarted(Bornes);
    }
    for (;;) {
        view_.setProgressVisible(true);
        view_.setProgressValue(0);
        ++tally.batches;
        tally.hits += dealFrequencyBatch(dealer_, Bornes, view_, recent);
        if (observer_ != nullptr) {
            observer_->frequencyBatchDealt(tally, recent);
        }
        const auto report = frequencyReport(tally, dialogue_.decimalSeparator());
        if (dialogue_.messageBox(report.prompt, Buttons::YesNo, report.title) != Answer::Yes) {
            break;
        }
    }
    view_.setProgressVisible(false);
    DefautH();
    DefautC();
}

void TargetedFrequency::Command2Click() {
    if (Enregistre()) {
        ProbaSprecise();
    }
}

}  // namespace ondiscale
