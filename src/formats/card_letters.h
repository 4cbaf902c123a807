#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "condition/condition.h"
#include "engine/card_text.h"
#include "engine/cards.h"

namespace ondiscale {

// A set of cards as a PBN hand, suits spades to clubs separated by dots,
// ranks from high to low: "AK52.Q7.KJ84.A63"; a suit with no card empty.
std::string pbnCardsText(CardSet cards);

// That text read back (at most four suits, at most 13 cards) by the one
// reader of cards (engine/card_text.h); nothing when a letter is no rank
// or a card comes twice.
std::optional<CardSet> readPbnCards(std::string_view text);

}  // namespace ondiscale
