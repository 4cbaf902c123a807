#pragma once

#include <cstdint>

namespace ondiscale {

// The high and the low half of the 128-bit product a x b, folded by XOR.
// Without a 128-bit type, from four 32-bit products: the engine alone
// builds so (its portable tests check both give the same values), but the
// program does not, since exact/checked_count.h counts deals in __int128.
inline std::uint64_t mulFold(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
    __extension__ using Wide = unsigned __int128;
    const Wide product = static_cast<Wide>(a) * b;
    return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
#else
    const std::uint64_t aLow = a & 0xffffffffU;
    const std::uint64_t aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xffffffffU;
    const std::uint64_t bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xffffffffU) + (lowHigh & 0xffffffffU);
    const std::uint64_t high = aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32);
    const std::uint64_t low = (middle << 32) | (lowLow & 0xffffffffU);
    return high ^ low;
#endif
}

// A clock, in nanoseconds since 1970. The dealer reseeds from one before
// every deal: the system's in the program, a fixed or counting one in
// tests, so that a seed and a clock decide every deal.
using Clock = std::uint64_t (*)();

// The wall clock: the cheapest one the platform has, whatever its tick.
std::uint64_t systemClock();

// The wyrand mixer over a 64-bit Weyl sequence, with a key XORed into the
// counter. Each value costs one addition on the counter and one
// independent multiply, so consecutive draws overlap in the processor.
// Reseeds change the key, never the counter, and the counter moves on at
// every value and every reseed: the state (counter, key) can never come
// back to one it had before, so deals made within one tick of the clock
// still differ. Defined inline so that the dealer's loop keeps the state
// in registers.
//
// What has been checked: the values the dealer consumes (a reseed before
// every deal, then the top 24 bits of each draw of that deal, repeats
// included), as written by bench/dealer_stream.cpp, through every test of
// Debian's dieharder 3.31.1, once with the real clock and once with the
// clock frozen to one reading. No test failed; the three WEAK results
// (sts_serial and rgb_lagged_sum with the real clock, diehard_opso with the
// frozen one) passed when run again with more samples. To run it again:
//   build/bench/ondiscale_dealer_stream | dieharder -g 200 -a
//   build/bench/ondiscale_dealer_stream --frozen-clock | dieharder -g 200 -a
// Nothing beyond dieharder (TestU01, PractRand) has been run on it.
class Generator {
public:
    static constexpr std::uint64_t kStep = 0xa0761d6478bd642fULL;

    // The same seed gives the same values, for tests and benchmarks.
    static constexpr Generator seeded(std::uint64_t seed) { return Generator(seed); }
    // A seed from the system's entropy: two runs started within one tick
    // of the clock still deal differently.
    static Generator fromEntropy();

    std::uint64_t next() {
        counter_ += kStep;
        const std::uint64_t s = counter_ ^ key_;
        return mulFold(s, s ^ 0xe7037ed1a0b428dbULL);
    }

    // The next value as a whole number m in 0..2^24 - 1, standing for the
    // value m / 2^24 in [0, 1), never 1.
    std::uint32_t next24() { return static_cast<std::uint32_t>(next() >> 40); }

    // Mixes a clock reading into the key, never puts it in its place, and
    // moves the counter on: the same reading twice in a row still leads
    // somewhere new, and nothing restarts the sequence.
    void reseed(std::uint64_t reading) {
        std::uint64_t z = (key_ ^ reading) + 0x9e3779b97f4a7c15ULL;  // splitmix64
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        key_ = z ^ (z >> 31);
        counter_ += kStep;
    }

    friend bool operator==(const Generator&, const Generator&) = default;

private:
    explicit constexpr Generator(std::uint64_t key) : key_(key) {}

    std::uint64_t counter_ = 0;
    std::uint64_t key_;
};

}  // namespace ondiscale
