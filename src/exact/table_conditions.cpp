#include "exact/table_conditions.h"

#include <algorithm>

namespace ondiscale {
namespace {

bool allows(const Range& range, std::uint8_t limit) { return range.min == 0 && range.max >= limit; }

Range within(const Range& range, std::uint8_t limit) {
    return {range.min, std::min(range.max, limit)};
}

// What the other partnership's range says of this one's.
Range complement(const Range& other, std::uint8_t limit) {
    return {static_cast<std::uint8_t>(limit - other.max),
            static_cast<std::uint8_t>(limit - other.min)};
}

Range common(const Range& a, const Range& b) {
    return {std::max(a.min, b.min), std::min(a.max, b.max)};
}

bool empty(const Range& range) { return range.min > range.max; }

}  // namespace

bool TableConditions::lengthsFree(Seat s) const {
    return std::all_of(hand(s).suits.begin(), hand(s).suits.end(),
                       [](const Range& r) { return allows(r, kSuitCards); });
}

bool TableConditions::pointsFree(Seat s) const { return allows(hand(s).points, kHandPoints); }

bool TableConditions::sideLengthsFree() const {
    const auto& suits = side(Side::NorthSouth).suits;
    return std::all_of(suits.begin(), suits.end(),
                       [](const Range& r) { return allows(r, kSuitCards); });
}

bool TableConditions::sidePointsFree() const {
    return allows(side(Side::NorthSouth).points, kSidePoints);
}

std::optional<TableConditions> tableConditions(const TableBounds& bounds) {
    TableConditions conditions;
    for (std::size_t h = 0; h < conditions.hands.size(); ++h) {
        HandBounds& hand = conditions.hands[h];
        for (std::size_t s = 0; s < hand.suits.size(); ++s) {
            hand.suits[s] = within(bounds.hands[h].suits[s], kSuitCards);
            if (empty(hand.suits[s])) {
                return std::nullopt;
            }
        }
        hand.points = within(bounds.hands[h].points, kHandPoints);
        if (empty(hand.points)) {
            return std::nullopt;
        }
    }

    // Each side's ranges within their limits, then narrowed by the other's.
    std::array<HandBounds, 2> sides{};
    for (std::size_t p = 0; p < sides.size(); ++p) {
        for (std::size_t s = 0; s < sides[p].suits.size(); ++s) {
            sides[p].suits[s] = within(bounds.sides[p].suits[s], kSuitCards);
            if (empty(sides[p].suits[s])) {
                return std::nullopt;
            }
        }
        sides[p].points = within(bounds.sides[p].points, kSidePoints);
        if (empty(sides[p].points)) {
            return std::nullopt;
        }
    }
    for (std::size_t p = 0; p < sides.size(); ++p) {
        const HandBounds& other = sides[1 - p];
        HandBounds& side = conditions.sides[p];
        for (std::size_t s = 0; s < side.suits.size(); ++s) {
            side.suits[s] = common(sides[p].suits[s], complement(other.suits[s], kSuitCards));
            if (empty(side.suits[s])) {
                return std::nullopt;
            }
        }
        side.points = common(sides[p].points, complement(other.points, kSidePoints));
        if (empty(side.points)) {
            return std::nullopt;
        }
    }
    return conditions;
}

}  // namespace ondiscale
