#include "engine/card_text.h"

#include <array>

namespace ondiscale {
namespace {

// Ranks 2 to 14; ace, king (roi), queen (dame), jack (valet).
constexpr std::array<const char*, 15> kRanks{"",  "",  "2",  "3", "4", "5", "6", "7",
                                             "8", "9", "10", "V", "D", "R", "A"};

}  // namespace

std::string suitCardsText(const Hand& hand, Suit suit) {
    std::array<bool, 15> held{};
    for (const Card card : hand) {
        if (card >= kLowestCard && card <= kHighestCard && suitOf(card) == suit) {
            held[static_cast<std::size_t>(rankOf(card))] = true;
        }
    }
    std::string text;
    for (std::size_t rank = kAce; rank >= 2; --rank) {
        if (held[rank]) {
            text += text.empty() ? "" : " ";
            text += kRanks[rank];
        }
    }
    return text.empty() ? "—" : text;
}

}  // namespace ondiscale
