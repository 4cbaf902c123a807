#pragma once

#include <array>
#include <cstdint>

#include "engine/cards.h"

namespace ondiscale {

// The measures of a whole deal: for each hand and each partnership, its
// four suit lengths and its high-card points, packed one a byte in a word
// (bytes 0 to 3 spades to clubs, byte 4 the points), so that a
// partnership's measures are the sum of its hands' and a set of bounds is
// tested in a few operations.
struct TableMeasures {
    // Rows 0 to 3 the hands by index(Seat), 4 and 5 the partnerships by
    // index(Side).
    std::array<std::uint64_t, 6> rows{};

    [[nodiscard]] std::uint8_t length(std::size_t row, Suit suit) const {
        return static_cast<std::uint8_t>(rows[row] >> (8 * index(suit)));
    }
    [[nodiscard]] std::uint8_t points(std::size_t row) const {
        return static_cast<std::uint8_t>(rows[row] >> 32);
    }
};

inline constexpr std::size_t kTableRows = 6;
constexpr std::size_t rowOf(Seat seat) { return index(seat); }
constexpr std::size_t rowOf(Side side) { return 4 + index(side); }

TableMeasures measureTable(const Deal& deal);

}  // namespace ondiscale
