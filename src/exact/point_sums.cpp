#include "exact/point_sums.h"

#include <algorithm>

namespace ondiscale {

// Every sum here adds counts of deals that differ, so none can pass the
// number of all deals (under 2^96): plain 128-bit additions cannot wrap.

void PointSums::reset(const std::array<int, 3>& extents) {
    extents_ = extents;
    for (std::size_t a = 0; a < ext_.size(); ++a) {
        ext_[a] = static_cast<std::size_t>(extents[a]);
    }
    counts_.assign(ext_[0] * ext_[1] * ext_[2], 0);
}

void PointSums::prepare() {
    const std::size_t e0 = ext_[0];
    const std::size_t e1 = ext_[1];
    const std::size_t e2 = ext_[2];
    const std::size_t rowS = e2 + 1;
    const std::size_t rowD = e1 + e2;
    straight_.assign(e0 * e1 * rowS, 0);
    diagonal_.assign(e0 * e1 * rowD, 0);
    for (std::size_t a0 = 0; a0 < e0; ++a0) {
        for (std::size_t a1 = 0; a1 < e1; ++a1) {
            const WideCount* counts = &counts_[(a0 * e1 + a1) * e2];
            WideCount* row = &straight_[(a0 * e1 + a1) * rowS];
            for (std::size_t a2 = 0; a2 < e2; ++a2) {
                row[a2 + 1] = row[a2] + counts[a2];
            }
            // Along the diagonal a1 + a2 = t: this row up to t - a1.
            WideCount* diag = &diagonal_[(a0 * e1 + a1) * rowD];
            for (std::size_t t = 0; t < rowD; ++t) {  // t + 1
                const auto up = static_cast<long>(t) - 1 - static_cast<long>(a1);
                diag[t] = up < 0 ? 0 : row[std::min(static_cast<std::size_t>(up), e2 - 1) + 1];
            }
        }
    }
    // Then cumulated along axis 1 and axis 0.
    const auto cumulate = [&](std::vector<WideCount>& table, std::size_t row) {
        for (std::size_t a0 = 0; a0 < e0; ++a0) {
            for (std::size_t a1 = 1; a1 < e1; ++a1) {
                WideCount* here = &table[(a0 * e1 + a1) * row];
                const WideCount* left = here - row;
                for (std::size_t x = 0; x < row; ++x) {
                    here[x] += left[x];
                }
            }
        }
        for (std::size_t a0 = 1; a0 < e0; ++a0) {
            WideCount* here = &table[a0 * e1 * row];
            const WideCount* below = here - e1 * row;
            for (std::size_t x = 0; x < e1 * row; ++x) {
                here[x] += below[x];
            }
        }
    };
    cumulate(straight_, rowS);
    cumulate(diagonal_, rowD);
}

WideCount PointSums::straight(int a0, int a1, int a2) const {
    if (a1 < 0) {
        return 0;
    }
    return straight_[(static_cast<std::size_t>(a0) * ext_[1] + static_cast<std::size_t>(a1)) *
                         (ext_[2] + 1) +
                     static_cast<std::size_t>(a2 + 1)];
}

WideCount PointSums::diagonal(int a0, int a1, int t) const {
    if (a1 < 0) {
        return 0;
    }
    return diagonal_[(static_cast<std::size_t>(a0) * ext_[1] + static_cast<std::size_t>(a1)) *
                         (ext_[1] + ext_[2]) +
                     static_cast<std::size_t>(t + 1)];
}

// Axes 1 and 2 within the bounds, summed over axis 0 from 0 to a0. The
// band cuts axis 1 in two stretches: where the box's edge of axis 2 binds
// (straight sums) and where the band's does (diagonal sums).
WideCount PointSums::layer(int a0, const Bounds& b) const {
    if (a0 < 0) {
        return 0;
    }
    const int lo1 = std::max(b.lo[1], b.sumLo - b.hi[2]);
    const int hi1 = std::min(b.hi[1], b.sumHi - b.lo[2]);
    if (lo1 > hi1) {
        return 0;
    }
    WideCount upper = 0;
    const int boxTop = std::min(hi1, b.sumHi - b.hi[2]);
    if (lo1 <= boxTop) {
        upper += straight(a0, boxTop, b.hi[2]) - straight(a0, lo1 - 1, b.hi[2]);
    }
    const int bandFrom = std::max(lo1, b.sumHi - b.hi[2] + 1);
    if (bandFrom <= hi1) {
        upper += diagonal(a0, hi1, b.sumHi) - diagonal(a0, bandFrom - 1, b.sumHi);
    }
    WideCount lower = 0;
    const int boxFrom = std::max(lo1, b.sumLo - b.lo[2]);
    if (boxFrom <= hi1) {
        lower += straight(a0, hi1, b.lo[2] - 1) - straight(a0, boxFrom - 1, b.lo[2] - 1);
    }
    const int bandTop = std::min(hi1, b.sumLo - b.lo[2] - 1);
    if (lo1 <= bandTop) {
        lower += diagonal(a0, bandTop, b.sumLo - 1) - diagonal(a0, lo1 - 1, b.sumLo - 1);
    }
    return upper - lower;
}

WideCount PointSums::sum(Bounds bounds) const {
    for (std::size_t a = 0; a < ext_.size(); ++a) {
        bounds.lo[a] = std::max(bounds.lo[a], 0);
        bounds.hi[a] = std::min(bounds.hi[a], static_cast<int>(ext_[a]) - 1);
        if (bounds.lo[a] > bounds.hi[a]) {
            return 0;
        }
    }
    bounds.sumLo = std::max(bounds.sumLo, bounds.lo[1] + bounds.lo[2]);
    bounds.sumHi = std::min(bounds.sumHi, bounds.hi[1] + bounds.hi[2]);
    if (bounds.sumLo > bounds.sumHi) {
        return 0;
    }
    return layer(bounds.hi[0], bounds) - layer(bounds.lo[0] - 1, bounds);
}

}  // namespace ondiscale
