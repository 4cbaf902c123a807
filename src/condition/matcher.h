#pragma once

#include <array>
#include <cstdint>

#include "condition/hand_bounds.h"
#include "engine/hand_measures.h"
#include "engine/table_measures.h"

namespace ondiscale {

// Whether a hand of these lengths and points meets every range of the
// bounds, all ends included. Branch-free: the ranges are tested on random
// hands, where a branch would be mispredicted.
inline bool meets(const HandBounds& bounds, const SuitLengths& lengths, std::uint8_t points) {
    const auto within = [](const Range& r, unsigned v) {
        return static_cast<unsigned>(r.min <= v) & static_cast<unsigned>(v <= r.max);
    };
    return (within(bounds.suits[0], lengths[0]) & within(bounds.suits[1], lengths[1]) &
            within(bounds.suits[2], lengths[2]) & within(bounds.suits[3], lengths[3]) &
            within(bounds.points, points)) != 0U;
}

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
