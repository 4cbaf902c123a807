#pragma once

#include <string>

#include "engine/cards.h"

namespace ondiscale {

// How the program writes a suit: its sign, whether the sign is printed
// red, and its French name.
struct SuitSign {
    const char* sign;
    bool red;
    const char* name;
};
inline constexpr PerSuit<SuitSign> kSuitSigns{{
    {"♠", false, "Pique"},
    {"♥", true, "Cœur"},
    {"♦", true, "Carreau"},
    {"♣", false, "Trèfle"},
}};
constexpr const SuitSign& signOf(Suit suit) { return kSuitSigns[index(suit)]; }

// The seats and partnerships as the program names them.
inline constexpr std::array<const char*, 4> kSeatNames{"Nord", "Est", "Sud", "Ouest"};
inline constexpr std::array<const char*, 2> kSideNames{"Nord-Sud", "Est-Ouest"};
constexpr const char* nameOf(Seat seat) { return kSeatNames[index(seat)]; }
constexpr const char* nameOf(Side side) { return kSideNames[index(side)]; }

// The cards of one suit of the hand from high to low, with the French
// honour letters and a space between cards: "A R 10 4"; "—" for a void.
std::string suitCardsText(const Hand& hand, Suit suit);

// The same cards as a screen reader says them: "Pique : As, Roi, 10, 4";
// "Pique : chicane" for a void.
std::string suitCardsSpoken(const Hand& hand, Suit suit);

}  // namespace ondiscale
