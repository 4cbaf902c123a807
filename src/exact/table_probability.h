#pragma once

#include <optional>

#include "engine/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// How many deals of the 52 cards (out of kAllDeals, 52! / 13!^4) meet
// the conditions on the table, where that can be counted exactly in well
// under 100 ms; nothing otherwise, never an estimate. Counted: no
// condition; any conditions on one hand; any conditions on the
// partnerships alone; suit lengths on any hands and partnerships, with
// points bounded for at most one hand or for the partnerships; points
// bounded for two hands (and their partnership's, if partners) when the
// other two hands ask nothing, nor the partnerships if those two are
// opponents. Not counted: points bounded for three hands or more, for two
// opponents besides a partnership condition, or for two hands while
// another hand has bounds. Bounds past their limits count as the limits;
// bounds no deal can meet give 0.
std::optional<WideCount> exactDeals(const TableBounds& bounds);

// The share of all deals that exactDeals counts, from 0 to 1.
std::optional<double> exactProbability(const TableBounds& bounds);

}  // namespace ondiscale
