#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/card_text.h"
#include "engine/cards.h"

namespace ondiscale {

// The five denominations a contract is played in, in the order of the
// double-dummy tables: no trump first, then the suits from spades down.
enum class Strain : std::uint8_t { NoTrump, Spades, Hearts, Diamonds, Clubs };
inline constexpr std::array<Strain, 5> kStrains{Strain::NoTrump, Strain::Spades, Strain::Hearts,
                                                Strain::Diamonds, Strain::Clubs};
constexpr std::size_t index(Strain strain) { return static_cast<std::size_t>(strain); }

// The strain with that suit as trumps.
constexpr Strain strainOf(Suit suit) { return static_cast<Strain>(index(suit) + 1); }

// How the program writes a strain: "SA" for no trump, the suit's sign
// otherwise (UTF-8).
constexpr std::string_view strainText(Strain strain) {
    return strain == Strain::NoTrump ? "SA" : kSuitSigns[index(strain) - 1].sign;
}

// How PBN writes it: "NT", "S", "H", "D", "C".
constexpr std::string_view strainPbn(Strain strain) {
    constexpr std::array<std::string_view, 5> kPbn{"NT", "S", "H", "D", "C"};
    return kPbn[index(strain)];
}

}  // namespace ondiscale
