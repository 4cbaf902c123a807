#pragma once

#include <cstdint>

#include "engine/generator.h"

namespace ondiscale {

// Whole numbers drawn uniformly from lowest..highest: floor(r x n) +
// lowest for the generator's value r in [0, 1) and the width n = highest -
// lowest + 1, all in signed 16 bits.
class RandomRange {
public:
    std::int16_t lowest = 0;
    std::int16_t highest = 0;

    // Consumes exactly one value of the generator. Throws
    // std::overflow_error when the width or the result leaves the signed
    // 16-bit range, rather than wrap round. A range whose highest is below
    // its lowest gives what the same steps give (the dealer never asks it).
    [[nodiscard]] std::int16_t draw(Generator& generator) const {
        const std::uint32_t m = generator.next24();
        const std::int16_t width = checked16(checked16(highest - lowest) + 1);
        return checked16(scaledFloor(m, width) + lowest);
    }

    // floor(r x n) for the generator value r = m / 2^24, in double
    // precision. r x n = m x n / 2^24 is exact in double (|m x n| < 2^40),
    // so its floor is the arithmetic shift of m x n by 24 bits, which
    // rounds towards minus infinity: the same number as the floating-point
    // product and floor, without their latency.
    static std::int32_t scaledFloor(std::uint32_t m, std::int16_t n) {
        return static_cast<std::int32_t>((static_cast<std::int64_t>(m) * n) >> 24);
    }

private:
    // Out of line, so that the check costs the dealer's loop one compare.
    [[noreturn]] static void overflow();

    static std::int16_t checked16(std::int32_t v) {
        if (v < INT16_MIN || v > INT16_MAX) {
            overflow();
        }
        return static_cast<std::int16_t>(v);
    }
};

}  // namespace ondiscale
