#include <benchmark/benchmark.h>

#include "engine/dealer.h"
#include "engine/hand_measures.h"

namespace {

using namespace ondiscale;

// One deal of South's hand with its reseed, and the two measures the
// frequency run takes.
void BM_Deal(benchmark::State& state) {
    Dealer dealer;
    Hand hand{};
    for (auto _ : state) {
        dealer.dealSouth(hand);
        benchmark::DoNotOptimize(suitLengths(hand));
        benchmark::DoNotOptimize(highCardPoints(hand));
    }
}
BENCHMARK(BM_Deal);

// 100,000 deals tested against 5 to 5 spades and 12 to 14 points.
void BM_EngineBatch(benchmark::State& state) {
    Dealer dealer;
    Hand hand{};
    for (auto _ : state) {
        int hits = 0;
        for (int i = 0; i < 100'000; ++i) {
            dealer.dealSouth(hand);
            const std::uint8_t spades = suitLengths(hand)[index(Suit::Spades)];
            const std::uint8_t h = highCardPoints(hand);
            hits += (spades == 5 && h >= 12 && h <= 14) ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_EngineBatch)->Unit(benchmark::kMillisecond);

}  // namespace
