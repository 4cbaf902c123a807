#pragma once

#include <optional>

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// How many deals of the 52 cards (out of kAllDeals, 52! / 13!^4) meet
// the bounds on the table: any ranges of suit lengths and points for any
// hands and partnerships, counted by countDeals. The window waits for it,
// so nothing when the count would take more than about a tenth of a
// second (points on four hands beside lengths on several, for one);
// never an estimate. Bounds past their limits count as the limits;
// bounds no deal can meet give 0.
std::optional<WideCount> exactDeals(const TableBounds& bounds);

// The share of all deals that exactDeals counts, from 0 to 1.
std::optional<double> exactProbability(const TableBounds& bounds);

}  // namespace ondiscale
