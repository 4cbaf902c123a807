#include <benchmark/benchmark.h>

#include "simulation/survey_run.h"

namespace {

using namespace ondiscale;

// One batch of the first survey with a seventh distribution typed.
void BM_SurveyBatch(benchmark::State& state) {
    Dealer dealer;
    SurveyRun run(kSurveyGroups[0], "6421", dealer);
    Tally tally{0, 0, std::vector<std::int64_t>(7)};
    for (auto _ : state) {
        run.dealBatch(tally);
    }
    benchmark::DoNotOptimize(tally.hits);
    state.SetItemsProcessed(state.iterations() * kSurveyBatch);
}
BENCHMARK(BM_SurveyBatch)->Unit(benchmark::kMicrosecond);

}  // namespace
