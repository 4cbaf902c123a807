#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "exact/exact_hands.h"
#include "exact/exact_odds.h"
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

// Questions as the Donne window asks them, each counted whole: what is
// known, what is asked, every alternative met with every other.
Range span(int min, int max) {
    return {static_cast<std::uint8_t>(min), static_cast<std::uint8_t>(max)};
}

ShapeSet regular() { return {{{ShapeTerm::Kind::Class, ShapeClass::Regular, {}}}}; }

CardSet cardsOf(std::initializer_list<std::pair<Suit, int>> cards) {
    CardSet set = 0;
    for (const auto& [suit, rank] : cards) {
        set |= cardBit(cardOf(suit, rank));
    }
    return set;
}

// South opens 1SA (15 to 17, régulière): North-South 25 points or more.
void BM_ExactOneNoTrump(benchmark::State& state) {
    Condition question;
    Alternative& opening = question.known.alternatives.front();
    opening.bounds.hand(Seat::South).points = span(15, 17);
    opening.shapes[index(Seat::South)] = regular();
    question.asked.alternatives.front().bounds.side(Side::NorthSouth).points = span(25, 40);
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactOdds(question));
    }
}
BENCHMARK(BM_ExactOneNoTrump)->Unit(benchmark::kMillisecond);

// South's thirteen cards known (AK52.Q7.KJ84.A63): North 4 hearts or
// more (0), North 10 points or more and a fit in spades (1).
void BM_ExactKnownHand(benchmark::State& state) {
    using enum Suit;
    Condition question;
    question.known.alternatives.front().cards[index(Seat::South)] = cardsOf({{Spades, kAce},
                                                                             {Spades, kKing},
                                                                             {Spades, 5},
                                                                             {Spades, 2},
                                                                             {Hearts, kQueen},
                                                                             {Hearts, 7},
                                                                             {Diamonds, kKing},
                                                                             {Diamonds, kJack},
                                                                             {Diamonds, 8},
                                                                             {Diamonds, 4},
                                                                             {Clubs, kAce},
                                                                             {Clubs, 6},
                                                                             {Clubs, 3}});
    Alternative& asked = question.asked.alternatives.front();
    if (state.range(0) == 0) {
        asked.bounds.hand(Seat::North).suit(Hearts) = span(4, 13);
    } else {
        asked.bounds.hand(Seat::North).points = span(10, 37);
        asked.bounds.side(Side::NorthSouth).suit(Spades) = span(8, 13);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactOdds(question));
    }
}
BENCHMARK(BM_ExactKnownHand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// After a 1SA opening, three alternatives asked: a fit of 8 cards in
// spades, in hearts, or 25 points together (15 counts, 7 of them met).
void BM_ExactThreeAlternatives(benchmark::State& state) {
    Condition question;
    Alternative& opening = question.known.alternatives.front();
    opening.bounds.hand(Seat::South).points = span(15, 17);
    opening.shapes[index(Seat::South)] = regular();
    question.asked.alternatives.assign(3, Alternative{});
    question.asked.alternatives[0].bounds.side(Side::NorthSouth).suit(Suit::Spades) = span(8, 13);
    question.asked.alternatives[1].bounds.side(Side::NorthSouth).suit(Suit::Hearts) = span(8, 13);
    question.asked.alternatives[2].bounds.side(Side::NorthSouth).points = span(25, 40);
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactOdds(question));
    }
}
BENCHMARK(BM_ExactThreeAlternatives)->Unit(benchmark::kMillisecond);

// Every hand 8 to 12 points (0); the same with North 5 spades or more
// (1); South 15 to 17 régulière, West 7 at most, North 8 or 9 (2).
void BM_ExactFourHandsPoints(benchmark::State& state) {
    Alternative alternative;
    if (state.range(0) < 2) {
        for (HandBounds& hand : alternative.bounds.hands) {
            hand.points = span(8, 12);
        }
        if (state.range(0) == 1) {
            alternative.bounds.hand(Seat::North).suit(Suit::Spades) = span(5, 13);
        }
    } else {
        alternative.bounds.hand(Seat::South).points = span(15, 17);
        alternative.shapes[index(Seat::South)] = regular();
        alternative.bounds.hand(Seat::West).points = span(0, 7);
        alternative.bounds.hand(Seat::North).points = span(8, 9);
    }
    Condition question;
    question.asked.alternatives.front() = alternative;
    for (auto _ : state) {
        benchmark::DoNotOptimize(exactOdds(question));
    }
}
BENCHMARK(BM_ExactFourHandsPoints)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
