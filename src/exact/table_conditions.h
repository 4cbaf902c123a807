#pragma once

#include <array>
#include <optional>

#include "condition/hand_bounds.h"

namespace ondiscale {

// Bounds on the whole table in a form the counts can use: every range
// held within its limits (13 cards a suit, 37 points a hand, 40 a
// partnership), and each partnership's ranges narrowed by the other's,
// since East-West hold exactly what North-South do not: 13 less their
// length of a suit, 40 less their points.
struct TableConditions {
    std::array<HandBounds, 4> hands{};
    std::array<HandBounds, 2> sides{anySide(), anySide()};

    [[nodiscard]] const HandBounds& hand(Seat s) const { return hands[index(s)]; }
    [[nodiscard]] const HandBounds& side(Side s) const { return sides[index(s)]; }

    // Whether a row asks anything at all.
    [[nodiscard]] bool lengthsFree(Seat s) const;
    [[nodiscard]] bool pointsFree(Seat s) const;
    [[nodiscard]] bool handFree(Seat s) const { return lengthsFree(s) && pointsFree(s); }
    [[nodiscard]] bool sideLengthsFree() const;
    [[nodiscard]] bool sidePointsFree() const;
    [[nodiscard]] bool sideFree() const { return sideLengthsFree() && sidePointsFree(); }
};

// Nothing when some range, once within its limits, holds no value: no
// deal meets such bounds.
std::optional<TableConditions> tableConditions(const TableBounds& bounds);

}  // namespace ondiscale
