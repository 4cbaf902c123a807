#include "exact/shape_vectors.h"

#include <algorithm>
#include <array>
#include <functional>

#include "condition/shapes.h"

namespace ondiscale {
namespace {

constexpr int kLength = 13;

struct Numbering {
    std::array<LengthVector, kLengthVectors> vectors{};
    // By spades, hearts and diamonds; clubs make up the 13.
    std::array<std::array<std::array<std::uint16_t, kLength + 1>, kLength + 1>, kLength + 1>
        numbers{};
};

constexpr Numbering kNumbering = [] {
    Numbering n{};
    std::size_t next = 0;
    for (int s = 0; s <= kLength; ++s) {
        for (int h = 0; s + h <= kLength; ++h) {
            for (int d = 0; s + h + d <= kLength; ++d) {
                n.vectors[next] = {static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                                   static_cast<std::uint8_t>(d),
                                   static_cast<std::uint8_t>(kLength - s - h - d)};
                n.numbers[static_cast<std::size_t>(s)][static_cast<std::size_t>(h)]
                         [static_cast<std::size_t>(d)] = static_cast<std::uint16_t>(next);
                ++next;
            }
        }
    }
    return n;
}();

}  // namespace

LengthVector lengthVector(std::size_t number) { return kNumbering.vectors[number]; }

std::size_t numberOf(const LengthVector& lengths) {
    return kNumbering.numbers[lengths[0]][lengths[1]][lengths[2]];
}

LengthVectors vectorsOf(const ShapeSet& shape) {
    LengthVectors set;
    if (shape.any()) {
        return set.set();
    }
    for (std::size_t n = 0; n < kLengthVectors; ++n) {
        const LengthVector lengths = lengthVector(n);
        set[n] = std::any_of(shape.terms.begin(), shape.terms.end(),
                             [&](const ShapeTerm& term) { return fits(term, lengths); });
    }
    return set;
}

}  // namespace ondiscale
