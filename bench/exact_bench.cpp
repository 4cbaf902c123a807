#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "exact/exact_hands.h"
#include "exact/fit_table.h"
#include "exact/pattern_table.h"
#include "exact/point_table.h"
#include "exact/split_table.h"
#include "exact/suit_length_tables.h"
#include "exact/table_probability.h"

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

// The teaching tables, each computed whole.
void BM_SplitTable(benchmark::State& state) {
    const VacantPlaces places{static_cast<std::uint8_t>(state.range(0)), 13};
    for (auto _ : state) {
        benchmark::DoNotOptimize(splitTable(places));
    }
}
BENCHMARK(BM_SplitTable)->Arg(13)->Arg(7)->Unit(benchmark::kMicrosecond);

void BM_PatternTable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(patternTable());
    }
}
BENCHMARK(BM_PatternTable)->Unit(benchmark::kMicrosecond);

// A hand's points (0), a partnership's (1).
void BM_PointTable(benchmark::State& state) {
    const PointHolder holder = state.range(0) == 0 ? PointHolder::Hand : PointHolder::Partnership;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pointTable(holder));
    }
}
BENCHMARK(BM_PointTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SuitLengthTables(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(longestSuitTable());
        benchmark::DoNotOptimize(shortestSuitTable());
    }
}
BENCHMARK(BM_SuitLengthTables)->Unit(benchmark::kMicrosecond);

void BM_FitTable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(fitTable(5));
    }
}
BENCHMARK(BM_FitTable)->Unit(benchmark::kMicrosecond);

// One partnership, its widest bounds: every suit and point total is
// tried.
void BM_ExactSide(benchmark::State& state) {
    TableBounds bounds;
    bounds.side(Side::NorthSouth) = {{{{0, 12}, {0, 12}, {0, 12}, {0, 12}}}, {0, 39}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactProbability(bounds));
    }
}
BENCHMARK(BM_ExactSide)->Unit(benchmark::kMicrosecond);

// Suit lengths on every hand and partnership, the widest such bounds
// (0), and South with exactly 4 spades, North at least 4 (1).
void BM_ExactSuitLengths(benchmark::State& state) {
    TableBounds bounds;
    if (state.range(0) == 0) {
        for (HandBounds& hand : bounds.hands) {
            hand.suits = {{{0, 12}, {0, 12}, {0, 12}, {0, 12}}};
        }
        bounds.side(Side::NorthSouth).suits = {{{0, 12}, {0, 12}, {0, 12}, {0, 12}}};
    } else {
        bounds.hand(Seat::South).suit(Suit::Spades) = {4, 4};
        bounds.hand(Seat::North).suit(Suit::Spades) = {4, 13};
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactProbability(bounds));
    }
}
BENCHMARK(BM_ExactSuitLengths)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Suit lengths everywhere and one hand's points (0) or the
// partnership's (1), the widest such bounds.
void BM_ExactLengthsAndPoints(benchmark::State& state) {
    TableBounds bounds;
    for (HandBounds& hand : bounds.hands) {
        hand.suits = {{{0, 12}, {0, 12}, {0, 12}, {0, 12}}};
    }
    if (state.range(0) == 0) {
        bounds.hand(Seat::North).points = {0, 36};
    } else {
        bounds.side(Side::NorthSouth).points = {0, 39};
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactProbability(bounds));
    }
}
BENCHMARK(BM_ExactLengthsAndPoints)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// North's and South's points apart, with their partnership's: the
// slowest kind counted, here with nothing pruned.
void BM_ExactTwoHands(benchmark::State& state) {
    TableBounds bounds;
    bounds.hand(Seat::North).points = {0, 36};
    bounds.hand(Seat::South).points = {0, 36};
    bounds.side(Side::NorthSouth).points = {0, 39};
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactProbability(bounds));
    }
}
BENCHMARK(BM_ExactTwoHands)->Unit(benchmark::kMillisecond);

}  // namespace
