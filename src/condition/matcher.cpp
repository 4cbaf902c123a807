#include "condition/matcher.h"

#include <algorithm>

namespace ondiscale {
namespace {

std::uint64_t packedOf(const PerSuit<std::uint8_t>& lengths, std::uint8_t points) {
    std::uint64_t word = static_cast<std::uint64_t>(points) << 32;
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        word |= static_cast<std::uint64_t>(lengths[s]) << (8 * s);
    }
    return word;
}

}  // namespace

TableCheck::TableCheck(const TableBounds& bounds) {
    const auto add = [this](std::size_t row, const HandBounds& b, const HandBounds& open) {
        if (b == open) {
            return;
        }
        // Bounds past what any measure reaches act as that reach, and keep
        // every byte below 128.
        PerSuit<std::uint8_t> mins{};
        PerSuit<std::uint8_t> maxs{};
        for (std::size_t s = 0; s < mins.size(); ++s) {
            mins[s] = std::min<std::uint8_t>(b.suits[s].min, 127);
            maxs[s] = std::min<std::uint8_t>(b.suits[s].max, 127);
        }
        packed_[count_++] = {row, packedOf(mins, std::min<std::uint8_t>(b.points.min, 127)),
                             packedOf(maxs, std::min<std::uint8_t>(b.points.max, 127))};
    };
    for (const Seat seat : kSeats) {
        add(rowOf(seat), bounds.hand(seat), HandBounds{});
    }
    for (const Side side : kSides) {
        add(rowOf(side), bounds.side(side), anySide());
    }
}

}  // namespace ondiscale
