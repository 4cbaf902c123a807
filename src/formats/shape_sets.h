#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "condition/condition.h"
#include "condition/shapes.h"

namespace ondiscale {

// A hand's lengths, spades to clubs.
using Lengths = PerSuit<std::uint8_t>;

// A set of hand shapes as one bit per suit-ordered length vector, so that
// shapes written in different ways (a class, any-order patterns, suit-order
// patterns, a script's "x" and "-") compare, join and meet as plain sets.
inline constexpr std::size_t kLengthKeys = std::size_t{14} * 14 * 14 * 14;
using LengthSet = std::bitset<kLengthKeys>;

constexpr std::size_t lengthKey(const Lengths& lengths) {
    return ((lengths[0] * std::size_t{14} + lengths[1]) * 14 + lengths[2]) * 14 + lengths[3];
}

// The 560 length vectors a hand can have (four lengths adding up to 13).
const LengthSet& everyShape();

// Every length vector, in the order of their keys.
const std::vector<Lengths>& everyLengths();

// The patterns (longest first) of a class, in increasing order: régulière
// is 4333, 4432, 5332.
std::vector<Lengths> classPatterns(ShapeClass shapeClass);

// The shapes a shape clause lets through; no term lets every shape through.
LengthSet lengthsOf(const ShapeSet& shapes);

// The shortest plain way to write a non-empty set of shapes: the named
// classes it holds whole (leaving out any the others already cover), then
// the any-order patterns it holds whole, then the remaining suit-order
// patterns, each group in increasing order. Every shape: no term.
ShapeSet shapeSetOf(const LengthSet& lengths);

// The same shapes written that way.
inline ShapeSet canonicalShapes(const ShapeSet& shapes) { return shapeSetOf(lengthsOf(shapes)); }

}  // namespace ondiscale
