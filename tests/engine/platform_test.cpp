// What the engine takes from the platform: the wall clock and, where the
// compiler has no 128-bit type, the wide multiply built from 32-bit parts.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "engine/generator.h"

namespace {

std::uint64_t nowInNanoseconds() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
}

TEST(Platform, TheClockTheDealerReadsIsTheTimeOfDay) {
    const std::uint64_t before = nowInNanoseconds();
    const std::uint64_t reading = ondiscale::systemClock();
    const std::uint64_t after = nowInNanoseconds();
    // A coarse clock may lag by one tick, a few milliseconds at most.
    constexpr std::uint64_t kTick = 50'000'000;
    EXPECT_GE(reading + kTick, before);
    EXPECT_LE(reading, after + kTick);
}

#if !defined(__SIZEOF_INT128__)
// Built with the 128-bit type hidden from the engine, not from the compiler:
// the portable product is checked against the compiler's own.
TEST(Platform, TheWideMultiplyMatchesTheCompilersWideType) {
    __extension__ using Wide = unsigned __int128;
    const auto reference = [](std::uint64_t a, std::uint64_t b) {
        const Wide product = static_cast<Wide>(a) * b;
        return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
    };
    const std::uint64_t edges[] = {0,
                                   1,
                                   0xffffffffU,
                                   0x100000000ULL,
                                   ~0ULL,
                                   0x8000000000000000ULL,
                                   0xa0761d6478bd642fULL,
                                   0xe7037ed1a0b428dbULL};
    for (const auto a : edges) {
        for (const auto b : edges) {
            ASSERT_EQ(ondiscale::mulFold(a, b), reference(a, b)) << a << " x " << b;
        }
    }
    std::mt19937_64 values(7);
    for (int i = 0; i < 1'000'000; ++i) {
        const std::uint64_t a = values();
        const std::uint64_t b = values();
        ASSERT_EQ(ondiscale::mulFold(a, b), reference(a, b)) << a << " x " << b;
    }
}
#endif

}  // namespace
