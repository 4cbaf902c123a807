#pragma once

#include <optional>

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// How many deals of the 52 cards (out of kAllDeals, 52! / 13!^4) meet
// the conditions on the table, where that can be counted exactly in well
// under 100 ms; nothing otherwise, never an estimate.
// Counted:
// - no condition; any conditions on one hand; any on the partnerships;
// - suit lengths on any hands and partnerships, together with points
//   bounded for one hand only or for the partnerships only;
// - points bounded for two hands, or for a hand and the partnerships,
//   with any lengths on those two hands (partners) or on that hand and
//   its partner, while the other two hands ask nothing (nor the
//   partnerships, when the two hands are opponents).
// Not counted: points bounded for three hands, for two opponents beside
// a partnership condition, or for two hands (a hand and the
// partnerships) while another hand has bounds of its own.
// Bounds past their limits count as the limits; bounds no deal can meet
// give 0.
std::optional<WideCount> exactDeals(const TableBounds& bounds);

// The share of all deals that exactDeals counts, from 0 to 1.
std::optional<double> exactProbability(const TableBounds& bounds);

}  // namespace ondiscale
