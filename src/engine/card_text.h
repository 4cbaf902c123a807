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

// The letters PBN writes cards and seats with, which the program's files
// use too: ranks 2 to 9, T, J, Q, K, A; suits S, H, D, C; seats N, E, S, W.
inline constexpr std::string_view kPbnRanks = "23456789TJQKA";
inline constexpr std::string_view kPbnSuits = "SHDC";
inline constexpr std::string_view kPbnSeats = "NESW";
constexpr char rankLetter(int rank) { return kPbnRanks[static_cast<std::size_t>(rank - 2)]; }
constexpr char suitLetter(Suit suit) { return kPbnSuits[index(suit)]; }
constexpr char seatLetter(Seat seat) { return kPbnSeats[index(seat)]; }

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
