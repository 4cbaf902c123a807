#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "exact/exact_hands.h"

namespace {

using namespace ondiscale;

// The exact count for ten bounds: every bound open (the most work), a
// narrow hand and a typical one, taken in turn.
void BM_ExactBounds(benchmark::State& state) {
    const std::vector<HandBounds> cases{
        {},
        {{{{5, 5}, {0, 13}, {0, 13}, {0, 13}}}, {12, 14}},
        {{{{4, 6}, {2, 5}, {0, 4}, {1, 5}}}, {15, 17}},
    };
    const HandBounds& bounds = cases[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactHands(bounds));
    }
}
BENCHMARK(BM_ExactBounds)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The exact count for a distribution text.
void BM_ExactDistribution(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactHands("4432"));
    }
}
BENCHMARK(BM_ExactDistribution)->Unit(benchmark::kMicrosecond);

}  // namespace
