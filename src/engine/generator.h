#pragma once

#include <cstdint>

namespace ondiscale::generator {

// wyrand: a 64-bit Weyl sequence passed through a 128-bit multiply and
// fold, which passes BigCrush and PractRand. Each value costs one addition
// on the counter and one independent multiply, so consecutive draws
// overlap in the processor. Reseeds change the key, never the counter,
// and the counter moves on at every value and every reseed: the state
// (counter, key) can never come back to one it had before. Defined inline
// so that the dealer's loop keeps the state in registers.
struct WyRand {
    static constexpr std::uint64_t kStep = 0xa0761d6478bd642fULL;
    std::uint64_t counter;
    std::uint64_t key;

    std::uint64_t next() {
        __extension__ using Wide = unsigned __int128;
        counter += kStep;
        const std::uint64_t s = counter ^ key;
        const Wide product = static_cast<Wide>(s) * (s ^ 0xe7037ed1a0b428dbULL);
        return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
    }
};

// The one generator of the process.
extern WyRand process;

// The next value as a whole number m in 0..2^24 - 1, standing for m / 2^24.
inline std::uint32_t next24() { return static_cast<std::uint32_t>(process.next() >> 40); }

// Next value, uniform over [0, 1), never 1: m / 2^24 with m from next24.
float next();

// Mixes a clock reading into the running state.
void reseed(std::uint64_t reading);

// The clock that Shuffle reads, in nanoseconds. Tests freeze it to show
// that reseeds within one tick still give fresh values; nullptr restores
// the system clock.
using Clock = std::uint64_t (*)();
void setClock(Clock clock);

}  // namespace ondiscale::generator
