#include <benchmark/benchmark.h>

#include "condition/matcher.h"
#include "engine/dealer.h"

namespace {

using namespace ondiscale;

// One whole deal with its reseed, and the measures of all four hands and
// both partnerships.
void BM_FullDeal(benchmark::State& state) {
    Dealer dealer;
    Deal deal{};
    for (auto _ : state) {
        dealer.dealTable(deal);
        benchmark::DoNotOptimize(measureTable(deal));
    }
}
BENCHMARK(BM_FullDeal);

// 100,000 whole deals tested against North-South with at least 25 points
// and at least 8 spades together.
void BM_FullDealBatch(benchmark::State& state) {
    Dealer dealer;
    Deal deal{};
    TableBounds bounds;
    bounds.side(Side::NorthSouth).points = {25, 40};
    bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    const TableCheck check(bounds);
    for (auto _ : state) {
        int hits = 0;
        for (int i = 0; i < 100'000; ++i) {
            dealer.dealTable(deal);
            hits += check.meets(measureTable(deal)) ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_FullDealBatch)->Unit(benchmark::kMillisecond);

}  // namespace
