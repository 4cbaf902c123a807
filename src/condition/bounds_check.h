#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "condition/hand_bounds.h"

namespace ondiscale {

// The texts of the ten bound boxes, in the shape of the bounds they give.
struct RangeTexts {
    std::string min;
    std::string max;
    friend bool operator==(const RangeTexts&, const RangeTexts&) = default;
};
struct BoundTexts {
    PerSuit<RangeTexts> suits;
    RangeTexts points;
    friend bool operator==(const BoundTexts&, const BoundTexts&) = default;
};

// The texts that show the bounds: "0" and "13", "0" and "37" for the defaults.
BoundTexts textsOf(const HandBounds& bounds);

// The verdict on the boxes: the bounds when every box is right; otherwise
// which group of boxes goes back to its defaults, each after its own
// message kImpossibleChoice, the cards first.
struct BoundsCheck {
    std::optional<HandBounds> bounds;
    bool cardsRejected = false;
    bool pointsRejected = false;
};

// The cards are rejected when a box holds more than 13 cards, when the
// minima add up to more than 13, or when a maximum is below its minimum;
// the points when a box holds more than 37 or the maximum is below the
// minimum. Text that is no whole number from 0 to 255 is rejected as a
// number out of range is. Every limit is inclusive.
BoundsCheck checkBounds(const BoundTexts& texts);

// The value of a bound box: a whole number from 0 to 255 in plain digits,
// leading and trailing spaces ignored (no-break ones too, and invisible
// characters: plainTyped); anything else has no value.
std::optional<std::uint8_t> boxValue(std::string_view typed);

// The message of every rejected group.
inline constexpr const char* kImpossibleChoice = "Choix impossible!! Recommencez!";

}  // namespace ondiscale
