#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "condition/condition.h"
#include "engine/cards.h"

namespace ondiscale {

// The letters other bridge programs read: ranks from the two up ("T" for
// the ten), suits spades to clubs, seats clockwise from North.
inline constexpr std::string_view kRankLetters = "23456789TJQKA";
inline constexpr std::string_view kSuitLetters = "SHDC";
inline constexpr std::string_view kSeatLetters = "NESW";

constexpr char rankLetter(Card card) {
    return kRankLetters[static_cast<std::size_t>(rankOf(card) - 2)];
}
constexpr char suitLetter(Suit suit) { return kSuitLetters[index(suit)]; }

// A set of cards as a PBN hand, suits spades to clubs separated by dots,
// ranks from high to low: "AK52.Q7.KJ84.A63"; a suit with no card empty.
std::string pbnCardsText(CardSet cards);

// That text read back (at most four suits, at most 13 cards) by the one
// reader of cards (engine/card_text.h); nothing when a letter is no rank
// or a card comes twice.
std::optional<CardSet> readPbnCards(std::string_view text);

}  // namespace ondiscale
