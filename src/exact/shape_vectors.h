#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>

#include "condition/condition.h"

namespace ondiscale {

// A hand's shape as its four suit lengths in suit order (spades first);
// there are 560 ways for four lengths to make 13.
using LengthVector = PerSuit<std::uint8_t>;
inline constexpr std::size_t kLengthVectors = 560;

// A set of shapes, one bit per length vector. The counter takes a shape
// clause in this form: two clauses meet where both sets hold a vector.
using LengthVectors = std::bitset<kLengthVectors>;

// The vectors numbered in the order spades, hearts, diamonds rise.
LengthVector lengthVector(std::size_t number);
std::size_t numberOf(const LengthVector& lengths);  // the lengths must make 13

// The vectors a shape clause allows; every vector for a clause with no
// term. A pattern whose lengths do not make 13 allows none.
LengthVectors vectorsOf(const ShapeSet& shape);

}  // namespace ondiscale
