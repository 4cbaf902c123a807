#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "doubledummy/contract.h"
#include "doubledummy/solver.h"
#include "journal/journal.h"

namespace ondiscale {

// The deals an analysis solves and the contracts it follows.
struct AnalysisRequest {
    std::vector<Deal> deals;
    std::vector<Contract> contracts;
};

// Told from the thread that analyses: how far it went, and after every
// step the figures so far.
struct AnalysisListener {
    std::function<void(std::size_t done, std::size_t total)> progress;
    std::function<void(AnalysisUpdate update)> update;
};

// Deals solved between two updates: under a second of work on two cores,
// so that the bar moves at least once a second.
inline constexpr std::size_t kAnalysisStep = 8;
// The analysed deals the journal keeps, each with its tricks.
inline constexpr std::size_t kAnalysedExamples = 1'000;

// Solves the deals step by step, tells `listener` after each, and stops
// between two of the solver's calls once `stop` is requested, what was
// solved kept. The solver's failure, if any; what came before it stays.
// Par is North-South's with North dealing and nobody vulnerable;
// the examples carry the par contract of their board in the 16-board
// rotation, the way they are exported.
std::optional<DoubleDummyError> analyseDeals(const AnalysisRequest& request,
                                             const std::stop_token& stop,
                                             const AnalysisListener& listener);

}  // namespace ondiscale
