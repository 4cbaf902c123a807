#pragma once

#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

struct SuitLengthRow {
    int length = 0;
    Count hands = 0;  // out of C(52, 13)
    double probability = 0;
};

// How long a hand's longest suit is: 4 to 13 cards, shortest first.
std::vector<SuitLengthRow> longestSuitTable();

// How short a hand's shortest suit is: 0 to 3 cards, a void first.
std::vector<SuitLengthRow> shortestSuitTable();

}  // namespace ondiscale
