#include <benchmark/benchmark.h>

#include "frequency/targeted_frequency.h"

namespace {

using namespace ondiscale;

class NoView : public FrequencyView {
public:
    [[nodiscard]] std::string boxText(int /*box*/) const override { return {}; }
    void setBoxText(int /*box*/, const std::string& /*text*/) override {}
    void setProgressVisible(bool /*visible*/) override {}
    void setProgressValue(int value) override { benchmark::DoNotOptimize(value); }
};

// One batch of the frequency run: 5 to 5 spades, 12 to 14 points.
void BM_FrequencyBatch(benchmark::State& state) {
    Dealer dealer;
    NoView view;
    const BoundsArray bornes{0, 5, 5, 0, 13, 0, 13, 0, 13, 12, 14};
    RecentHits recent;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealFrequencyBatch(dealer, bornes, view, recent));
    }
    state.SetItemsProcessed(state.iterations() * kFrequencyBatch);
}
BENCHMARK(BM_FrequencyBatch)->Unit(benchmark::kMillisecond);

}  // namespace
