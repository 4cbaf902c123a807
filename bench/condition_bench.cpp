#include <benchmark/benchmark.h>

#include "condition/shapes.h"
#include "engine/card_text.h"
#include "no_progress.h"
#include "simulation/table_run.h"

namespace {

using namespace ondiscale;

// One batch of a whole-deal run as the Donne window makes it: South's
// whole hand known (♠AR52 ♥D7 ♦RV84 ♣A63), asked any of three
// alternatives with shapes on North and East: North four hearts or more
// and bicolore; North-South 25 points or more with North régulière; East
// five spades or more, unicolore or bicolore.
void BM_ConditionBatch(benchmark::State& state) {
    Condition condition;
    condition.known.alternatives.front().cards[index(Seat::South)] =
        *readCards("♠AR52 ♥D7 ♦RV84 ♣A63").cards;
    condition.asked.alternatives.assign(3, Alternative{});
    Alternative& hearts = condition.asked.alternatives[0];
    hearts.bounds.hand(Seat::North).suit(Suit::Hearts) = {4, 13};
    hearts.shapes[index(Seat::North)] = *readShapes("bicolore").shapes;
    Alternative& game = condition.asked.alternatives[1];
    game.bounds.side(Side::NorthSouth).points = {25, 40};
    game.shapes[index(Seat::North)] = *readShapes("régulière").shapes;
    Alternative& spades = condition.asked.alternatives[2];
    spades.bounds.hand(Seat::East).suit(Suit::Spades) = {5, 13};
    spades.shapes[index(Seat::East)] = *readShapes("unicolore, bicolore").shapes;

    Dealer dealer;
    NoProgress progress;
    const QuestionMatcher matcher(condition, placedCards(condition.known));
    const PlacedCards placed(placedCards(condition.known));
    KeptDeals kept(TableRun::kKept);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealTableBatch(dealer, &placed, matcher, progress, kept));
    }
    state.SetItemsProcessed(state.iterations() * kTableBatch);
}
BENCHMARK(BM_ConditionBatch)->Unit(benchmark::kMillisecond);

// The same loop on the whole-deal run's question with nothing known:
// North-South 25 points or more and 8 spades or more.
void BM_TableBatch(benchmark::State& state) {
    TableBounds bounds;
    bounds.side(Side::NorthSouth).points = {25, 40};
    bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
    Dealer dealer;
    NoProgress progress;
    const QuestionMatcher matcher(askedOnly(bounds), {});
    KeptDeals kept(TableRun::kKept);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealTableBatch(dealer, nullptr, matcher, progress, kept));
    }
    state.SetItemsProcessed(state.iterations() * kTableBatch);
}
BENCHMARK(BM_TableBatch)->Unit(benchmark::kMillisecond);

}  // namespace
