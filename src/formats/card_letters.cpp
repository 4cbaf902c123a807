#include "formats/card_letters.h"

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
    CardSet cards = 0;
    std::size_t suit = 0;
    for (const char ch : text) {
        if (ch == '.') {
            if (++suit == kSuits.size()) {
                return std::nullopt;
            }
            continue;
        }
        const std::size_t rank = kRankLetters.find(ch);
        if (rank == std::string_view::npos) {
            return std::nullopt;
        }
        const CardSet bit = cardBit(cardOf(kSuits[suit], static_cast<int>(rank) + 2));
        if ((cards & bit) != 0) {
            return std::nullopt;
        }
        cards |= bit;
    }
    return cards;
}

}  // namespace ondiscale
