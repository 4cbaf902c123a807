#pragma once

// A clock for the dealer that counts its readings, giving each a new value
// as a running clock would.

#include <cstdint>

struct CountingClock {
    static inline std::uint64_t readings = 0;
    static std::uint64_t read() { return ++readings; }
};
