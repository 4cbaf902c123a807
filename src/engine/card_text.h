#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The letters other bridge programs read, which the program's files use
// too: ranks from the two up ("T" for the ten), suits spades to clubs,
// seats clockwise from North.
inline constexpr std::string_view kRankLetters = "23456789TJQKA";
inline constexpr std::string_view kSuitLetters = "SHDC";
inline constexpr std::string_view kSeatLetters = "NESW";
constexpr char rankLetter(Card card) {
    return kRankLetters[static_cast<std::size_t>(rankOf(card) - 2)];
}
constexpr char suitLetter(Suit suit) { return kSuitLetters[index(suit)]; }
constexpr char seatLetter(Seat seat) { return kSeatLetters[index(seat)]; }

// A card as two letters, its suit's then its rank's: "SA", "HT", "C2".
std::string cardCode(Card card);
// Those two letters read back; nothing for anything else.
std::optional<Card> cardOfCode(std::string_view code);
// A seat's letter read back.
std::optional<Seat> seatOfLetter(char letter);

// The cards of one suit of the hand from high to low, with the French
// honour letters and a space between cards: "A R 10 4"; "—" for a void.
std::string suitCardsText(const Hand& hand, Suit suit);

// The same cards as a screen reader says them: "Pique : As, Roi, 10, 4";
// "Pique : chicane" for a void.
std::string suitCardsSpoken(const Hand& hand, Suit suit);

}  // namespace ondiscale
