#pragma once

#include <array>
#include <cstdint>

namespace ondiscale::generator {

// xoshiro256**: 256 bits of state, a period of 2^256 - 1 and excellent
// statistical quality for about a nanosecond a value. Defined inline so
// that the dealer's loop keeps the state in registers.
struct Xoshiro256 {
    std::array<std::uint64_t, 4> s;

    static constexpr std::uint64_t rotl(std::uint64_t x, int k) {
        return (x << k) | (x >> (64 - k));
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }
};

// The one generator of the process.
extern Xoshiro256 process;

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
