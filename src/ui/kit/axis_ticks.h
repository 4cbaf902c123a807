#pragma once

namespace ondiscale {

// The ticks of a chart's axis: round numbers from `min` to `max` by
// `step`, both ends on a tick, and the decimals that write every tick
// exactly.
struct AxisTicks {
    double min = 0;
    double max = 1;
    double step = 1;
    int decimals = 0;

    [[nodiscard]] int count() const;
};

// The finest round step (1, 2, 2.5 or 5 times a power of ten) whose ticks
// cover low..high in at most `most` ticks (at least 2). The same data give
// the same axis, whatever was shown before. Where low equals high the
// axis widens around them.
AxisTicks niceTicks(double low, double high, int most);

}  // namespace ondiscale
