#pragma once

#include <optional>

#include "exact/checked_count.h"
#include "exact/deal_question.h"

namespace ondiscale {

// How many deals of the 52 cards (out of kAllDeals, 52! / 13!^4) meet the
// question, counted from combinatorics, never by dealing: its ranges of
// suit lengths and points on any hands and partnerships, its shapes and
// its known cards. Nothing when counting it would take too long (see
// the benchmarks); never an estimate.
std::optional<WideCount> countDeals(const DealQuestion& question);

}  // namespace ondiscale
