#include "hasard.h"

#include <ctime>
#include <random>
#include <stdexcept>

namespace ondiscale {
namespace generator {
namespace {

constexpr std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

WyRand makeInitial() {
    // Two runs started within one tick of the clock still deal differently.
    std::random_device device;
    const std::uint64_t high = device();
    return {0, (high << 32) ^ device()};
}

Clock clockOverride = nullptr;

}  // namespace

WyRand process = makeInitial();

float next() { return static_cast<float>(next24()) * 0x1.0p-24F; }

void reseed(std::uint64_t reading) {
    // The reading is mixed into the running key, never put in its place,
    // and the counter moves on: the same reading twice in a row still
    // leads somewhere new, and nothing restarts the sequence.
    std::uint64_t mix = process.key ^ reading;
    process.key = splitmix64(mix);
    process.counter += WyRand::kStep;
}

void setClock(Clock clock) { clockOverride = clock; }

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

}  // namespace generator

void hasard::overflow() { throw std::overflow_error("hasard: overflow"); }

void hasard::Shuffle() {
    generator::reseed(generator::clockOverride != nullptr ? generator::clockOverride()
                                                          : generator::systemClock());
}

}  // namespace ondiscale
