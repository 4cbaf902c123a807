#include "simulation/frequency_run.h"

#include "condition/condition_text.h"
#include "condition/matcher.h"
#include "engine/hand_measures.h"
#include "exact/exact_hands.h"
#include "text/number_text.h"

namespace ondiscale {
namespace {

constexpr const char* kTargetedHand = "Main précisée";

}  // namespace

std::int32_t dealFrequencyBatch(Dealer& dealer, const HandBounds& bounds, Progress& progress,
                                RecentHits& recent) {
    return dealBatch(recent, progress,
                     [&](Hand& hand) {
                         dealer.dealSouth(hand);
                         return Outcome{
                             1, meets(bounds, suitLengths(hand), highCardPoints(hand)) ? 1U : 0U};
                     })
        .hits;
}

Report frequencyReport(std::int64_t hits, std::int64_t deals, std::string_view decimalSeparator) {
    return {
        "Sud précisé: " + wholeText(hits) + " soit " +
            singleText(static_cast<float>(percentOf(hits, deals)), decimalSeparator) + "%",
        "Statistiques sur " + wholeText(deals) + " tirages au hasard. Voulez-vous continuer?",
    };
}

FrequencyRun::FrequencyRun(const HandBounds& bounds, Dealer& dealer, Progress& progress)
    : bounds_(bounds), dealer_(dealer), progress_(progress) {
    plan_.kind = RunKind::Frequency;
    plan_.condition = boundsText(bounds);
    plan_.batchSize = kFrequencyBatch;
    plan_.figures.push_back({kTargetedHand, probabilityOf(exactHands(bounds)), {}});
    TableBounds asked;
    asked.hand(Seat::South) = bounds;
    plan_.question = askedOnly(asked);
}

void FrequencyRun::dealBatch(Tally& tally) {
    progress_.setProgressVisible(true);
    progress_.setProgressValue(0);
    tally.hits.front() += dealFrequencyBatch(dealer_, bounds_, progress_, recent_);
}

Report FrequencyRun::report(const Tally& tally, const NumberStyle& style) const {
    return frequencyReport(tally.hits.front(), tally.deals, style.decimal);
}

std::vector<Example> FrequencyRun::examples(const Tally& /*tally*/) const {
    std::vector<Example> out;
    for (const Hand& hand : recent_.newest(kRecentHits)) {
        Example example{kTargetedHand};
        example.deal[index(Seat::South)] = hand;
        out.push_back(std::move(example));
    }
    return out;
}

void runFrequency(const HandBounds& bounds, Dealer& dealer, Progress& progress, Dialogue& dialogue,
                  RunObserver* observer) {
    FrequencyRun run(bounds, dealer, progress);
    runBatches(run, dialogue, observer);
    progress.setProgressVisible(false);
}

}  // namespace ondiscale
