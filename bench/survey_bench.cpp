#include <benchmark/benchmark.h>

#include "survey/survey_run.h"

namespace {

using namespace ondiscale;

// One batch of the first survey with a seventh distribution typed.
void BM_SurveyBatch(benchmark::State& state) {
    Dealer dealer;
    const std::string typed = "6421";
    SurveyTally tally;
    for (auto _ : state) {
        dealSurveyBatch(dealer, kSurveyGroup1, typed, tally);
    }
    benchmark::DoNotOptimize(tally.counts);
    state.SetItemsProcessed(state.iterations() * kSurveyBatch);
}
BENCHMARK(BM_SurveyBatch)->Unit(benchmark::kMicrosecond);

}  // namespace
