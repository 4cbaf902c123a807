#pragma once

#include <array>

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"
#include "exact/table_conditions.h"

namespace ondiscale {

// Seats whose high-card points together are bounded: none, one hand or
// one partnership.
struct PointGroup {
    std::array<bool, 4> seats{};  // by index(Seat)
    Range points{0, kSidePoints};
};

// How many deals, of every deal of the 52 cards, give every hand and
// both partnerships the suit lengths `conditions` asks, and the group a
// number of points in its range. The points `conditions` asks of hands
// and partnerships are not looked at: they are the caller's to put in
// the group. A few milliseconds at most.
WideCount dealsBySuitLengths(const TableConditions& conditions, const PointGroup& group);

}  // namespace ondiscale
