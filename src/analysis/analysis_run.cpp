#include "analysis/analysis_run.h"

#include <algorithm>
#include <span>

#include "analysis/analysis_tally.h"
#include "analysis/analysis_texts.h"
#include "doubledummy/par.h"

namespace ondiscale {

std::optional<DoubleDummyError> analyseDeals(const AnalysisRequest& request,
                                             const std::stop_token& stop,
                                             const AnalysisListener& listener) {
    AnalysisTally tally(request.contracts);
    std::vector<Example> examples;
    const std::size_t total = request.deals.size();
    for (std::size_t start = 0; start < total && !stop.stop_requested();) {
        const std::size_t count = std::min(kAnalysisStep, total - start);
        const std::span<const Deal> step(request.deals.data() + start, count);
        const SolvedDeals solved =
            solveDeals(step, stop, [&](std::size_t done, std::size_t /*stepTotal*/) {
                if (listener.progress) {
                    listener.progress(start + done, total);
                }
            });
        for (std::size_t i = 0; i < solved.tables.size(); ++i) {
            const TrickTable& table = solved.tables[i];
            const std::optional<ParResult> par = parOf(table, Seat::North, Vulnerability::None);
            tally.add(table, par ? std::optional<int>(par->northSouthScore) : std::nullopt);
            if (examples.size() < kAnalysedExamples) {
                const int board = static_cast<int>(examples.size()) + 1;
                const std::optional<ParResult> boardPar =
                    parOf(table, dealerOfBoard(board), vulnerabilityOfBoard(board));
                examples.push_back({analysis_texts::kAnalysedDeal, step[i], true, table, boardPar});
            }
        }
        start += solved.tables.size();
        if (listener.update) {
            AnalysisUpdate update = tally.update(request.decimalSeparator);
            update.examples = examples;
            listener.update(std::move(update));
        }
        if (solved.error) {
            return solved.error;
        }
        if (solved.tables.size() < count) {
            break;  // stopped
        }
    }
    return std::nullopt;
}

}  // namespace ondiscale
