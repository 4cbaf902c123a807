#pragma once

#include <cstdint>

#include "engine/cards.h"

namespace ondiscale {

// Which sides are vulnerable.
enum class Vulnerability : std::uint8_t { None, NorthSouth, EastWest, Both };

// The usual 16-board rotation, the one PBN games, par scores and analysed
// deals are numbered with. Board numbers start at 1; any other number is
// taken in the same cycle of 16.

// Who deals: North for board 1, then clockwise.
constexpr Seat dealerOfBoard(int board) {
    return kSeats[static_cast<std::size_t>(((board - 1) % 4 + 4) % 4)];
}

// Board 1 none, 2 North-South, 3 East-West, 4 both; each set of four
// boards starts one step further along that order: boards 1-4 from none,
// 5-8 from North-South, 9-12 from East-West, 13-16 from both.
constexpr Vulnerability vulnerabilityOfBoard(int board) {
    const int n = ((board - 1) % 16 + 16) % 16;
    return static_cast<Vulnerability>((n + n / 4) % 4);
}

}  // namespace ondiscale
