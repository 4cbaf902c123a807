#include "formats/card_letters.h"

#include <algorithm>

#include "engine/card_text.h"

namespace ondiscale {

std::string pbnCardsText(CardSet cards) {
    std::string out;
    for (const Suit suit : kSuits) {
        if (suit != Suit::Spades) {
            out += '.';
        }
        for (int rank = kAce; rank >= 2; --rank) {
            const Card card = cardOf(suit, rank);
            if ((cards & cardBit(card)) != 0) {
                out += rankLetter(card);
            }
        }
    }
    return out;
}

std::optional<CardSet> readPbnCards(std::string_view text) {
    // Through the program's one reader of cards, the suits left out at the
    // end given empty.
    const auto dots = static_cast<std::size_t>(std::count(text.begin(), text.end(), '.'));
    if (dots >= kSuits.size()) {
        return std::nullopt;
    }
    return readCards(std::string(text) + std::string(kSuits.size() - 1 - dots, '.')).cards;
}

}  // namespace ondiscale
