#include "journal/hand_text.h"

#include <array>

namespace ondiscale {
namespace {

// Ranks 2 to 14; ace, king (roi), queen (dame), jack (valet).
constexpr std::array<const char*, 15> kRanks{"",  "",  "2",  "3", "4", "5", "6", "7",
                                             "8", "9", "10", "V", "D", "R", "A"};

}  // namespace

std::string suitText(const MainSud& hand, int suit) {
    std::array<bool, 15> held{};
    for (std::size_t i = 1; i <= 13; ++i) {
        const int rank = hand[i] - 13 * suit;
        if (rank >= 2 && rank <= 14) {
            held[static_cast<std::size_t>(rank)] = true;
        }
    }
    std::string text;
    for (std::size_t rank = 14; rank >= 2; --rank) {
        if (held[rank]) {
            text += text.empty() ? "" : " ";
            text += kRanks[rank];
        }
    }
    return text.empty() ? "—" : text;
}

}  // namespace ondiscale
