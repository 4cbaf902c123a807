#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "doubledummy/par.h"
#include "doubledummy/trick_table.h"
#include "engine/cards.h"

namespace ondiscale {

// What went wrong in a solve, in French: "Le solveur double mort a échoué :
// une carte figure deux fois dans une donne (code -4)." `code` is libdds's
// (negative), or 0 when a deal was refused before reaching it.
struct DoubleDummyError {
    int code = 0;
    std::string message;
};

struct SolvedDeals {
    // One table a deal, in the deals' order: all of them, or after a stop
    // or an error those solved until then.
    std::vector<TrickTable> tables;
    std::optional<DoubleDummyError> error;
};

// Told, on the calling thread, how many deals are solved out of how many,
// after each group of deals.
using SolveProgress = std::function<void(std::size_t done, std::size_t total)>;

// The trick tables of the deals. They go to libdds in groups of two deals
// for each of its threads (one a core), about half a second's work, and
// libdds shares each group among its threads. Between groups the call
// tells `progress` and looks at `stop`: once a stop is asked, it returns
// the tables done so far, with no error. A deal that
// is not 52 distinct cards is refused before anything is solved. One solve
// runs at a time in the process: a second call waits for the first.
SolvedDeals solveDeals(std::span<const Deal> deals, std::stop_token stop = {},
                       const SolveProgress& progress = {});

}  // namespace ondiscale
