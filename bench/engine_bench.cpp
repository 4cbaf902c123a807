#include <benchmark/benchmark.h>

#include "engine/dealer.h"
#include "engine/hand_measures.h"

namespace {

using namespace ondiscale;

// One deal with its reseed, and the two measures the frequency run takes.
void BM_Deal(benchmark::State& state) {
    Dealer dealer;
    MainSud hand{};
    for (auto _ : state) {
        dealer.TirageS(hand);
        benchmark::DoNotOptimize(Lengths(hand));
        benchmark::DoNotOptimize(PointsH(hand));
    }
}
BENCHMARK(BM_Deal);

// 100,000 deals tested against 5 to 5 spades and 12 to 14 points.
void BM_EngineBatch(benchmark::State& state) {
    Dealer dealer;
    MainSud hand{};
    for (auto _ : state) {
        int hits = 0;
        for (int i = 0; i < 100'000; ++i) {
            dealer.TirageS(hand);
            const std::uint8_t spades = Lengths(hand).spades;
            const std::uint8_t h = PointsH(hand);
            hits += (spades == 5 && h >= 12 && h <= 14) ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_EngineBatch)->Unit(benchmark::kMillisecond);

}  // namespace
