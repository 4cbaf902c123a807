#include "engine/card_text.h"

#include <array>

namespace ondiscale {
namespace {

// Ranks 2 to 14, written and spoken; ace, king (roi), queen (dame), jack
// (valet).
using Ranks = std::array<const char*, 15>;
constexpr Ranks kFrenchRanks{"",  "",  "2",  "3", "4", "5", "6", "7",
                             "8", "9", "10", "V", "D", "R", "A"};
constexpr Ranks kRankNames{"",  "",  "2",  "3",     "4",    "5",   "6", "7",
                           "8", "9", "10", "Valet", "Dame", "Roi", "As"};

// The ranks held in that suit, high to low, joined by `between`.
std::string ranks(const Hand& hand, Suit suit, const Ranks& names, const char* between) {
    std::array<bool, 15> held{};
    for (const Card card : hand) {
        if (card >= kLowestCard && card <= kHighestCard && suitOf(card) == suit) {
            held[static_cast<std::size_t>(rankOf(card))] = true;
        }
    }
    std::string text;
    for (std::size_t rank = kAce; rank >= 2; --rank) {
        if (held[rank]) {
            text += text.empty() ? "" : between;
            text += names[rank];
        }
    }
    return text;
}

}  // namespace

std::string cardCode(Card card) { return {suitLetter(suitOf(card)), rankLetter(card)}; }

std::optional<Card> cardOfCode(std::string_view code) {
    if (code.size() != 2) {
        return std::nullopt;
    }
    const std::size_t suit = kSuitLetters.find(code[0]);
    const std::size_t rank = kRankLetters.find(code[1]);
    if (suit == std::string_view::npos || rank == std::string_view::npos) {
        return std::nullopt;
    }
    return cardOf(kSuits[suit], static_cast<int>(rank) + 2);
}

std::optional<Seat> seatOfLetter(char letter) {
    const std::size_t seat = kSeatLetters.find(letter);
    if (seat == std::string_view::npos) {
        return std::nullopt;
    }
    return kSeats[seat];
}

std::string suitCardsText(const Hand& hand, Suit suit) {
    const std::string text = ranks(hand, suit, kFrenchRanks, " ");
    return text.empty() ? "—" : text;
}

std::string suitCardsSpoken(const Hand& hand, Suit suit) {
    const std::string text = ranks(hand, suit, kRankNames, ", ");
    return std::string(signOf(suit).name) + " : " + (text.empty() ? "chicane" : text);
}

}  // namespace ondiscale
