#include "ui/kit/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ondiscale {

int AxisTicks::count() const { return static_cast<int>(std::lround((max - min) / step)) + 1; }

AxisTicks niceTicks(double low, double high, int most) {
    most = std::max(most, 2);
    if (high < low) {
        std::swap(low, high);
    }
    if (high == low) {
        const double pad = low != 0 ? std::abs(low) * 0.01 : 1;
        low -= pad;
        high += pad;
    }
    // Steps 1, 2, 2.5 and 5 (in tenths) times 10^k, from fine to coarse.
    constexpr std::array<int, 4> kMantissas{10, 20, 25, 50};
    const int start = static_cast<int>(std::floor(std::log10((high - low) / most))) - 1;
    for (int k = start;; ++k) {
        for (const int mantissa : kMantissas) {
            const double step = mantissa / 10.0 * std::pow(10.0, k);
            AxisTicks ticks;
            ticks.step = step;
            ticks.min = std::floor(low / step + 1e-9) * step;
            ticks.max = std::ceil(high / step - 1e-9) * step;
            if (ticks.count() > most) {
                continue;
            }
            // 2.5 x 10^k needs one decimal more than its power.
            ticks.decimals = std::max(0, (mantissa == 25 ? 1 : 0) - k);
            return ticks;
        }
    }
}

}  // namespace ondiscale
