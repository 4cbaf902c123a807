#include "stats/margins.h"

#include <algorithm>
#include <cmath>

namespace ondiscale {

Interval wilson95(std::int64_t hits, std::int64_t deals) {
    if (deals <= 0) {
        return {};
    }
    const auto n = static_cast<double>(deals);
    const double share = static_cast<double>(hits) / n;
    const double z2 = kZ95 * kZ95;
    const double scale = 1.0 + z2 / n;
    const double centre = (share + z2 / (2.0 * n)) / scale;
    const double half = kZ95 / scale * std::sqrt(share * (1.0 - share) / n + z2 / (4.0 * n * n));
    // At 0 hits or at all hits one end is 0 or 1 exactly, not its rounding.
    return {hits == 0 ? 0.0 : std::max(0.0, centre - half),
            hits == deals ? 1.0 : std::min(1.0, centre + half)};
}

double gapInSigmas(std::int64_t hits, std::int64_t deals, double p) {
    if (deals <= 0 || p <= 0.0 || p >= 1.0) {
        return 0.0;
    }
    const auto n = static_cast<double>(deals);
    return (static_cast<double>(hits) / n - p) / std::sqrt(p * (1.0 - p) / n);
}

}  // namespace ondiscale
