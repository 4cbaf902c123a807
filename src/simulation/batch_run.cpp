#include "simulation/batch_run.h"

namespace ondiscale {

double percentOf(std::int64_t hits, std::int64_t deals) {
    return static_cast<double>(hits) / (static_cast<double>(deals) / 100.0);
}

Tally runBatches(BatchedRun& run, Dialogue& dialogue, RunObserver* observer) {
    const RunPlan& plan = run.plan();
    Tally tally;
    tally.hits.assign(plan.figures.size(), 0);
    if (observer != nullptr) {
        observer->runStarted(plan);
    }
    // A run that knows nothing counts its hits among all its deals.
    const bool knows = plan.question && !asksNothing(plan.question->known);
    Answer answer = Answer::Yes;
    while (answer == Answer::Yes) {
        run.dealBatch(tally);
        ++tally.batches;
        tally.deals += plan.batchSize;
        if (!knows) {
            tally.knownDeals = tally.deals;
        }
        if (observer != nullptr) {
            observer->batchDealt(tally, run.examples(tally));
        }
        const Report report =
            run.report(tally, {dialogue.decimalSeparator(), dialogue.groupSeparator()});
        answer = dialogue.messageBox(report.prompt, Buttons::YesNo, report.title);
    }
    return tally;
}

}  // namespace ondiscale
