#pragma once

#include <optional>

#include "exact/checked_count.h"
#include "exact/deal_question.h"

namespace ondiscale {

// How long a count may take, in the counter's own steps (about 10^8 a
// second on the development machine): a window waiting for the answer on
// its own thread, or a count made aside.
inline constexpr double kQuickCount = 5e7;  // about a tenth of a second
inline constexpr double kLongCount = 5e8;   // a few seconds

// How many deals of the 52 cards (out of kAllDeals, 52! / 13!^4) meet the
// question, counted from combinatorics, never by dealing: its ranges of
// suit lengths and points on any hands and partnerships, its shapes and
// its known cards. Nothing when counting it would take more than
// `mostWork` steps; never an estimate. The slowest questions follow
// points on three or four hands beside lengths on several hands, or
// several hands' shapes (see the benchmarks).
std::optional<WideCount> countDeals(const DealQuestion& question, double mostWork = kLongCount);

}  // namespace ondiscale
