#include <benchmark/benchmark.h>

#include "no_progress.h"
#include "simulation/frequency_run.h"

namespace {

using namespace ondiscale;

// One batch of the frequency run: 5 to 5 spades, 12 to 14 points.
void BM_FrequencyBatch(benchmark::State& state) {
    Dealer dealer;
    NoProgress progress;
    HandBounds bounds;
    bounds.suit(Suit::Spades) = {5, 5};
    bounds.points = {12, 14};
    RecentHits recent{kRecentHits};
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealFrequencyBatch(dealer, bounds, progress, recent));
    }
    state.SetItemsProcessed(state.iterations() * kFrequencyBatch);
}
BENCHMARK(BM_FrequencyBatch)->Unit(benchmark::kMillisecond);

}  // namespace
