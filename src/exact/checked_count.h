#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace ondiscale {

// Counts of hands fit 64 bits: the largest, C(52, 26), is under 2^49.
using Count = std::int64_t;

// Counts of whole deals do not: every deal of the 52 cards, 52! / 13!^4,
// is about 5.4e28, well within 128 bits.
__extension__ using WideCount = __int128;

// A table index from a length or a number of points, never negative.
constexpr std::size_t slot(int value) { return static_cast<std::size_t>(value); }

// A sum or a product that leaves its width throws rather than wraps.
[[noreturn]] inline void countOverflow() { throw std::overflow_error("exact count overflow"); }

template <typename T>
constexpr T checkedAdd(T a, T b) {
    T sum{};
    if (__builtin_add_overflow(a, b, &sum)) {
        countOverflow();
    }
    return sum;
}

template <typename T>
constexpr T checkedMul(T a, T b) {
    T product{};
    if (__builtin_mul_overflow(a, b, &product)) {
        countOverflow();
    }
    return product;
}

template <typename T>
constexpr T checkedMulAdd(T sum, T a, T b) {
    return checkedAdd(sum, checkedMul(a, b));
}

// a x b + sum with 64-bit factors and a 128-bit sum.
constexpr WideCount wideMulAdd(WideCount sum, Count a, Count b) {
    return checkedMulAdd<WideCount>(sum, a, b);
}

// The share `part / whole` as a double, rounded once from exact integers.
inline double shareOf(WideCount part, WideCount whole) {
    return static_cast<double>(static_cast<long double>(part) / static_cast<long double>(whole));
}

}  // namespace ondiscale
