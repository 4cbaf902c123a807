#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "engine/cards.h"

namespace ondiscale {

// The words of the dealer program's language for what a condition measures,
// written and read alike.
inline constexpr std::array<std::string_view, 4> kSeatWords{"north", "east", "south", "west"};
constexpr std::string_view seatWord(Seat seat) { return kSeatWords[index(seat)]; }

// A hand's measures: its four suit lengths (by index(Suit)), then its points.
inline constexpr std::size_t kPointsQuantity = 4;
inline constexpr std::array<std::string_view, 5> kQuantityWords{"spades", "hearts", "diamonds",
                                                                "clubs", "hcp"};
constexpr std::string_view quantityWord(std::size_t quantity) { return kQuantityWords[quantity]; }

constexpr std::pair<Seat, Seat> partnersOf(Side side) {
    return side == Side::NorthSouth ? std::pair{Seat::North, Seat::South}
                                    : std::pair{Seat::East, Seat::West};
}

}  // namespace ondiscale
