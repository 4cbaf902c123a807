#pragma once

#include <cstdint>
#include <vector>

#include "condition/hand_bounds.h"
#include "exact/checked_count.h"

namespace ondiscale {

// Whose high-card points: one hand's 13 cards (0 to 37 points) or a
// partnership's 26 (0 to 40).
enum class PointHolder : std::uint8_t { Hand, Partnership };

struct PointRow {
    int points = 0;
    Count hands = 0;  // out of PointTable::hands
    double probability = 0;
    double atLeast = 0;  // this many points or more
};

// Every point total with its count; the counts add up to `hands`,
// C(52, 13) for a hand and C(52, 26) for a partnership.
struct PointTable {
    PointHolder holder = PointHolder::Hand;
    Count hands = 0;
    std::vector<PointRow> rows;  // 0 points first, one row for every total
};

PointTable pointTable(PointHolder holder);

// A band of totals chosen by the user, for instance 15 to 17.
struct PointBand {
    Range points;
    Count hands = 0;
    double probability = 0;
};

// The band's share of the table; ends past the last total count as it,
// and a band whose minimum is above its maximum holds nothing.
PointBand pointBand(const PointTable& table, Range points);

}  // namespace ondiscale
