#pragma once

#include <cstdint>

#include "engine/cards.h"

namespace ondiscale {

inline constexpr std::uint8_t kSuitCards = 13;
inline constexpr std::uint8_t kHandPoints = 37;  // four aces, four kings, four queens, a jack
inline constexpr std::uint8_t kSidePoints = 40;  // every honour of the deck

// Both ends included.
struct Range {
    std::uint8_t min = 0;
    std::uint8_t max = 0;

    [[nodiscard]] constexpr bool contains(unsigned value) const {
        return min <= value && value <= max;
    }
    friend constexpr bool operator==(const Range&, const Range&) = default;
};

// What a hand (or a partnership's 26 cards) must hold: a range of length
// for each suit and a range of high-card points. The defaults allow any hand.
struct HandBounds {
    PerSuit<Range> suits{{{0, kSuitCards}, {0, kSuitCards}, {0, kSuitCards}, {0, kSuitCards}}};
    Range points{0, kHandPoints};

    [[nodiscard]] constexpr Range& suit(Suit s) { return suits[index(s)]; }
    [[nodiscard]] constexpr const Range& suit(Suit s) const { return suits[index(s)]; }
    friend constexpr bool operator==(const HandBounds&, const HandBounds&) = default;
};

// Bounds that allow any partnership: any length, 0 to 40 points together.
constexpr HandBounds anySide() {
    HandBounds bounds;
    bounds.points = {0, kSidePoints};
    return bounds;
}

// Conditions on the whole table: one set of bounds per hand, indexed by
// index(Seat), and one per partnership, indexed by index(Side), for the
// two hands' cards together.
struct TableBounds {
    std::array<HandBounds, 4> hands{};
    std::array<HandBounds, 2> sides{anySide(), anySide()};

    [[nodiscard]] constexpr HandBounds& hand(Seat s) { return hands[index(s)]; }
    [[nodiscard]] constexpr const HandBounds& hand(Seat s) const { return hands[index(s)]; }
    [[nodiscard]] constexpr HandBounds& side(Side s) { return sides[index(s)]; }
    [[nodiscard]] constexpr const HandBounds& side(Side s) const { return sides[index(s)]; }
    friend constexpr bool operator==(const TableBounds&, const TableBounds&) = default;
};

}  // namespace ondiscale
