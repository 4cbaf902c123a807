#pragma once

#include <array>
#include <cstdint>

#include "engine/cards.h"
#include "engine/hand_bounds.h"

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

// Table bounds made ready to test deals quickly: only the rows that narrow
// something are tested, each with one subtraction per end on all its
// measures at once.
class TableCheck {
public:
    explicit TableCheck(const TableBounds& bounds);

    [[nodiscard]] bool meets(const TableMeasures& measures) const {
        // A byte v lies in min..max when v + 128 - min and max + 128 - v
        // both keep their high bit; no byte borrows from its neighbour, as
        // every measure and bound is below 128.
        for (std::size_t i = 0; i < count_; ++i) {
            const Packed& p = packed_[i];
            const std::uint64_t v = measures.rows[p.row];
            if ((((v | kHigh) - p.min) & ((p.max | kHigh) - v) & kHigh) != kHigh) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr std::uint64_t kHigh = 0x8080808080ULL;  // bytes 0 to 4
    struct Packed {
        std::size_t row = 0;
        std::uint64_t min = 0;
        std::uint64_t max = 0;
    };
    std::array<Packed, kTableRows> packed_{};
    std::size_t count_ = 0;
};

}  // namespace ondiscale
