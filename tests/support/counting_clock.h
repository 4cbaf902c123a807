#pragma once

// While it lives, the clock that Shuffle reads counts its readings (and
// gives each a new value, as a running clock would).

#include <cstdint>

#include "engine/generator.h"

class CountingClock {
public:
    CountingClock() {
        readings = 0;
        ondiscale::generator::setClock([]() -> std::uint64_t { return ++readings; });
    }
    ~CountingClock() { ondiscale::generator::setClock(nullptr); }
    CountingClock(const CountingClock&) = delete;
    CountingClock& operator=(const CountingClock&) = delete;

    static inline std::uint64_t readings = 0;
};
