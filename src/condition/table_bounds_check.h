#pragma once

#include <array>
#include <optional>
#include <string>

#include "condition/hand_bounds.h"
#include "engine/table_measures.h"
#include "condition/bounds_check.h"

namespace ondiscale {

// The measures of a row: the four suits, then the points.
inline constexpr std::size_t kMeasures = 5;
inline constexpr std::size_t kPointsMeasure = 4;

// The sixty boxes of the whole table: a minimum and a maximum for each
// measure of each row (the hands North to West, then North-South and
// East-West).
using TableTexts = std::array<std::array<RangeTexts, kMeasures>, kTableRows>;

// One box: its row, its measure, which end.
struct TableBox {
    std::size_t row = 0;
    std::size_t measure = 0;
    bool max = false;
    friend bool operator==(const TableBox&, const TableBox&) = default;
};

// A row's name: "Nord", "Nord-Sud". A box's name, as a screen reader says
// it: "Nord-Sud points minimum".
std::string rowName(std::size_t row);
std::string boxName(const TableBox& box);

// The texts that show the bounds: the defaults are 0 to 13 cards and 0 to
// 37 points for a hand, 0 to 13 cards and 0 to 40 points for a partnership.
TableTexts textsOf(const TableBounds& bounds);

// The verdict on the boxes: the bounds when they can be run; otherwise one
// message, in French, naming the row and the measure at fault, and the box
// that the keyboard should go to. Nothing is reset: what was typed stays.
struct TableBoundsCheck {
    std::optional<TableBounds> bounds;
    std::string message;
    TableBox box;
};

// Refused, in this order: a box that is not a whole number within its
// limits (13 cards, 37 points for a hand, 40 for a partnership); a
// minimum above its maximum; a row whose suit minimums add up to more
// than its cards (13 a hand, 26 a partnership) or whose maximums add up to
// less; a partnership no pair of hands can make, given its two hands'
// bounds, or given the other partnership's, which holds the rest; the
// four hands' minimums of a suit above 13 or their maximums below, and
// likewise their points against the 40 of the deck.
TableBoundsCheck checkTableBounds(const TableTexts& texts);

}  // namespace ondiscale
