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

// A card as the program writes it: "♠A", "♥10".
std::string cardText(Card card);

// Cards suit by suit, high to low, the way a teacher writes them:
// "♠AR52 ♥D7 ♦RV84 ♣A63"; a suit with none left out, "" for no card.
// readCards reads it back.
std::string cardsText(CardSet cards);

// What a text of cards held gives: the cards, or one French message
// naming the piece at fault.
struct CardsReading {
    std::optional<CardSet> cards;
    std::string message;
};

// The one reader of cards, for a hand typed by a French player or pasted
// from elsewhere:
// - suit by suit, each suit's sign (♠ ♥ ♦ ♣, with or without the emoji
//   variation selector) or the program's letter (P, C, K, T) or name
//   (pique, cœur, carreau, trèfle) before its cards: "♠ A R 5 2 ♥ D 7",
//   "PAR52 CD7"; honours As or A, Roi or R, Dame or D, Valet or V, then
//   10, 9 … 2. Where the suits are signs, K, Q, J and T are also read as
//   English honours, as pasted from English pages ("♠AKQ ♥JT9");
// - as a PBN hand, four suits separated by dots, spades first:
//   "AK52.Q7.KJ84.A63", with PBN's letters (A K Q J T) or the French ones.
// Letters in either case, spaces and commas anywhere between cards. An
// empty text holds no card. Refused: what is no card nor suit, a card
// before any suit, a card given twice, more than 13 cards.
CardsReading readCards(std::string_view text);

// A hand of 13 cards from its set, spades to clubs, high to low.
Hand handFrom(CardSet cards);

// The set of a hand's cards.
CardSet cardSetOf(const Hand& hand);

}  // namespace ondiscale
