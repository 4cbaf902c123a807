#pragma once

#include <cstdint>

namespace ondiscale {

// The normal quantile of a two-sided 95 % interval.
inline constexpr double kZ95 = 1.959963984540054;

struct Interval {
    double low = 0;
    double high = 1;
};

// The 95 % Wilson score interval of the share hits / deals. Unlike the
// plain estimate plus or minus two errors it stays within 0 and 1 and
// does not shrink to nothing at 0 hits or at all hits; before any deal
// it is the whole of 0 to 1.
Interval wilson95(std::int64_t hits, std::int64_t deals);

// How many standard deviations of an estimate over `deals` deals the
// share hits / deals lies from the exact probability p; 0 where p is 0
// or 1 (the estimate is then exact too) or before any deal.
double gapInSigmas(std::int64_t hits, std::int64_t deals, double p);

}  // namespace ondiscale
