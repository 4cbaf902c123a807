#include "formats/lin.h"

#include <array>
#include <string_view>

#include "engine/board.h"
#include "engine/card_text.h"

namespace ondiscale {
namespace {

// By index(Seat): North 3, East 4, South 1, West 2.
constexpr std::array<char, 4> kDealerDigits{'3', '4', '1', '2'};
constexpr std::array<std::string_view, 4> kVulnerable{"0", "n", "e", "b"};
constexpr std::array<Seat, 4> kFromSouth{Seat::South, Seat::West, Seat::North, Seat::East};

std::string linHand(const Hand& hand) {
    std::string out;
    for (const Suit suit : kSuits) {
        out += kSuitLetters[index(suit)];
        for (int rank = kAce; rank >= 2; --rank) {
            for (const Card card : hand) {
                if (card == cardOf(suit, rank)) {
                    out += rankLetter(card);
                }
            }
        }
    }
    return out;
}

}  // namespace

std::string linText(const std::vector<Example>& boards) {
    std::string out;
    int place = 0;
    for (const Example& example : boards) {
        ++place;
        const BoardLabel label = example.board.value_or(
            BoardLabel{place, dealerOfBoard(place), vulnerabilityOfBoard(place)});
        const std::string number = std::to_string(label.number);
        out += "qx|o" + number + "|md|";
        out += kDealerDigits[index(label.dealer)];
        for (std::size_t i = 0; i < kFromSouth.size(); ++i) {
            out += i == 0 ? "" : ",";
            out += linHand(example.deal[index(kFromSouth[i])]);
        }
        out += "|rh||ah|Board " + number + "|sv|";
        out += kVulnerable[static_cast<std::size_t>(label.vulnerability)];
        out += "|pg||\r\n";
    }
    return out;
}

}  // namespace ondiscale
