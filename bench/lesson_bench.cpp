// A lesson's set of boards: the teacher's 16 boards where the dealer opens
// 1SA (15 to 17 points, régulière), and a 64-board set of a rarer question
// (South 20 to 21 points, régulière: about one deal in 150).
#include <benchmark/benchmark.h>

#include "simulation/lesson_set.h"

using namespace ondiscale;

namespace {

Condition regularSouth(std::uint8_t least, std::uint8_t most) {
    Condition c;
    Alternative& known = c.known.alternatives.front();
    known.bounds.hand(Seat::South).points = {least, most};
    known.shapes[index(Seat::South)].terms.push_back(
        {ShapeTerm::Kind::Class, ShapeClass::Regular, {}});
    return c;
}

void BM_LessonSet(benchmark::State& state) {
    LessonPlan plan;
    plan.boards = static_cast<int>(state.range(0));
    plan.place = HandPlace::Dealer;
    const Condition condition = state.range(0) == 16 ? regularSouth(15, 17) : regularSouth(20, 21);
    const DealTest test = directQuestionTest(condition);
    Dealer dealer(Generator::seeded(16));
    std::int64_t dealt = 0;
    for (auto _ : state) {
        const LessonDealing dealing = dealLesson(plan, dealer, test);
        dealt += dealing.dealt;
        benchmark::DoNotOptimize(dealing.boards.data());
    }
    state.counters["deals"] =
        benchmark::Counter(static_cast<double>(dealt), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LessonSet)->Arg(16)->Arg(64)->Unit(benchmark::kMicrosecond);

}  // namespace
