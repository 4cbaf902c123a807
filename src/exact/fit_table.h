#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

// Partner holding `partner` cards of the suit.
struct FitRow {
    int partner = 0;
    int together = 0;  // the partnership's cards of the suit
    Count hands = 0;   // partner's hands, out of FitTable::hands
    double probability = 0;
    double atLeast = 0;  // partner holding this many or more
};

// The partnership holding `together` cards of the suit or more.
struct FitGoal {
    int together = 0;
    Count hands = 0;
    double probability = 0;
};

// Knowing my own hand, with `held` cards of a suit: partner's 13 cards
// are any of C(39, 13) hands of the other 39 cards, 13 - held of them in
// the suit.
struct FitTable {
    int held = 0;
    Count hands = 0;
    std::vector<FitRow> rows;        // partner holding 0 to 13 - held
    std::array<FitGoal, 3> goals{};  // 8, 9 and 10 cards together
};

// More than 13 cards held counts as 13.
FitTable fitTable(std::uint8_t held);

}  // namespace ondiscale
