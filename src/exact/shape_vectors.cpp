#include "exact/shape_vectors.h"

#include <algorithm>
#include <array>
#include <functional>

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

LengthVector longestFirst(LengthVector lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

bool isPattern(const LengthVector& sorted, std::initializer_list<int> pattern) {
    return std::equal(sorted.begin(), sorted.end(), pattern.begin());
}

// The classes as the condition's header defines them.
bool inClass(ShapeClass shapeClass, const LengthVector& lengths) {
    const LengthVector sorted = longestFirst(lengths);
    switch (shapeClass) {
        case ShapeClass::Regular:
            return isPattern(sorted, {4, 3, 3, 3}) || isPattern(sorted, {4, 4, 3, 2}) ||
                   isPattern(sorted, {5, 3, 3, 2});
        case ShapeClass::SemiRegular:
            return isPattern(sorted, {5, 4, 2, 2}) || isPattern(sorted, {6, 3, 2, 2});
        case ShapeClass::OneSuited:
            return sorted[0] >= 6 && sorted[1] < 4;
        case ShapeClass::TwoSuited:
            return sorted[0] >= 5 && sorted[1] >= 4 && sorted[2] <= 3;
        case ShapeClass::ThreeSuited:
            return isPattern(sorted, {4, 4, 4, 1}) || isPattern(sorted, {5, 4, 4, 0});
        case ShapeClass::NoShortSuit:
            return sorted[3] >= 2;
    }
    return false;
}

bool allows(const ShapeTerm& term, const LengthVector& lengths) {
    switch (term.kind) {
        case ShapeTerm::Kind::Class:
            return inClass(term.shapeClass, lengths);
        case ShapeTerm::Kind::AnyOrder:
            return longestFirst(lengths) == longestFirst(term.lengths);
        case ShapeTerm::Kind::SuitOrder:
            return lengths == term.lengths;
    }
    return false;
}

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
                             [&](const ShapeTerm& term) { return allows(term, lengths); });
    }
    return set;
}

}  // namespace ondiscale
