#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

// Sums of a table of counts over up to three point axes, within a box of
// the three axes and a band of the sum of axes 1 and 2 (a partnership's
// points, or a hand's when the other three are followed), each in a few
// look-ups: prefix sums along axis 2, then along axis 1 both straight and
// along the band's diagonals, then along axis 0.
class PointSums {
public:
    struct Bounds {
        std::array<int, 3> lo{};
        std::array<int, 3> hi{};
        int sumLo = 0;  // of axes 1 and 2
        int sumHi = 0;
    };

    // Counts laid out as [a0][a1][a2] within `extents`; the table is
    // taken over (cleared) so that its memory is reused.
    void reset(const std::array<int, 3>& extents);
    WideCount& at(int a0, int a1, int a2) {
        return counts_[(static_cast<std::size_t>(a0) * ext_[1] + static_cast<std::size_t>(a1)) *
                           ext_[2] +
                       static_cast<std::size_t>(a2)];
    }
    void prepare();

    // The sum within the bounds; bounds past the extents are clipped.
    [[nodiscard]] WideCount sum(Bounds bounds) const;
    [[nodiscard]] const std::array<int, 3>& extents() const { return extents_; }

private:
    // The sum over axis 0 from 0 to `a0` (none when negative) and axis 1
    // from 0 to `a1`, of axis 2 up to `a2` (straight) or up to `t - a1`
    // (diagonal).
    [[nodiscard]] WideCount straight(int a0, int a1, int a2) const;
    [[nodiscard]] WideCount diagonal(int a0, int a1, int t) const;
    [[nodiscard]] WideCount layer(int a0, const Bounds& b) const;

    std::array<int, 3> extents_{1, 1, 1};
    std::array<std::size_t, 3> ext_{1, 1, 1};
    std::vector<WideCount> counts_;
    std::vector<WideCount> straight_;  // [a0][a1][a2 + 1]
    std::vector<WideCount> diagonal_;  // [a0][a1][t + 1], t up to ext1 + ext2 - 2
};

}  // namespace ondiscale
