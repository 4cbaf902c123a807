#include "engine/generator.h"

#include <ctime>
#include <random>

namespace ondiscale {

Generator Generator::fromEntropy() {
    std::random_device device;
    const std::uint64_t high = device();
    return seeded((high << 32) ^ device());
}

std::uint64_t systemClock() {
    // Read before every deal, so the cheapest wall clock there is: the
    // coarse one on Linux (a quarter of the cost of the precise one), the
    // fast one on the BSDs, elsewhere the standard C++ one. Readings that
    // repeat within a tick are mixed in like any other (see reseed).
    std::timespec now{};
#if defined(CLOCK_REALTIME_COARSE)
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
#elif defined(CLOCK_REALTIME_FAST)
    clock_gettime(CLOCK_REALTIME_FAST, &now);
#else
    std::timespec_get(&now, TIME_UTC);
#endif
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000U +
           static_cast<std::uint64_t>(now.tv_nsec);
}

}  // namespace ondiscale
