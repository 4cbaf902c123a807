#pragma once

#include <cstdint>

#include "generator.h"

namespace ondiscale {

// Uniform whole numbers in Smallest..Largest, drawn from the one
// generator that the whole process shares.
class hasard {
public:
    std::int16_t Smallest = 0;
    std::int16_t Largest = 0;

    // Consumes exactly one value of the generator on every call.
    // Throws std::overflow_error when the width or the result leaves
    // the signed 16-bit range.
    [[nodiscard]] std::int16_t Value() const {
        const std::uint32_t m = generator::next24();
        const std::int16_t width = checked16(checked16(Largest - Smallest) + 1);
        return checked16(Floor(m, width) + Smallest);
    }

    // floor(r x n) for the generator value r = m / 2^24, in double
    // precision. r x n = m x n / 2^24 is exact in double (|m x n| < 2^40),
    // so its floor is the arithmetic shift of m x n by 24 bits, which
    // rounds towards minus infinity: the same number as the floating-point
    // product and floor, without their latency.
    static std::int32_t Floor(std::uint32_t m, std::int16_t n) {
        return static_cast<std::int32_t>((static_cast<std::int64_t>(m) * n) >> 24);
    }

    // Reseeds the process-wide generator from the system clock.
    static void Shuffle();

private:
    [[noreturn]] static void overflow();

    static std::int16_t checked16(std::int32_t v) {
        if (v < INT16_MIN || v > INT16_MAX) {
            overflow();
        }
        return static_cast<std::int16_t>(v);
    }
};

}  // namespace ondiscale
