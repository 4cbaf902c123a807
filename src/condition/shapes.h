#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "condition/condition.h"
#include "engine/hand_measures.h"

namespace ondiscale {

// The lengths sorted longest first: the hand's pattern in any suit order.
SuitLengths longestFirst(SuitLengths lengths);

// Whether a hand of these lengths, in any suit order, belongs to the
// class (condition.h lists them).
bool inShapeClass(ShapeClass shapeClass, const SuitLengths& lengths);

// Whether a hand of these lengths has that shape (condition.h defines the
// classes).
bool fits(const ShapeTerm& term, const SuitLengths& lengths);
bool fits(const ShapeSet& shapes, const SuitLengths& lengths);

// What a typed shape gives: the shapes, or one French message naming the
// piece at fault.
struct ShapesReading {
    std::optional<ShapeSet> shapes;
    std::string message;
};

// A hand's shape as a teacher types it, pieces separated by commas, any of
// them: the named classes ("régulière", "semi-régulière", "unicolore",
// "bicolore", "tricolore", "sans singleton ni chicane", with or without
// accents and hyphens, in any case), patterns in any suit order ("4432",
// "3442", "10111" for a suit of ten) and patterns in suit order, spades
// first ("5=4=2=2"). An empty text allows any shape.
ShapesReading readShapes(std::string_view text);

// The shapes as readShapes reads them back: "régulière, 5422, 5=4=2=2";
// "" for any shape.
std::string shapesText(const ShapeSet& shapes);

// A class's name: "régulière", "sans singleton ni chicane".
const char* nameOf(ShapeClass shapeClass);

}  // namespace ondiscale
