#include "formats/pbn.h"

#include <array>
#include <bit>

#include "doubledummy/pbn_tables.h"
#include "engine/card_text.h"
#include "formats/card_letters.h"

namespace ondiscale {
namespace {

constexpr std::array<std::string_view, 16> kVulnerable{"None", "NS",   "EW", "All", "NS",   "EW",
                                                       "All",  "None", "EW", "All", "None", "NS",
                                                       "All",  "None", "NS", "EW"};

// A tag's value between quotes, its quotes and backslashes escaped.
std::string tag(std::string_view name, std::string_view value) {
    std::string out = "[";
    out += name;
    out += " \"";
    for (const char ch : value) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
        }
        out += (ch == '\n' || ch == '\r') ? ' ' : ch;
    }
    return out + "\"]\n";
}

}  // namespace

std::string pbnHand(const Hand& hand) {
    std::string out;
    for (const Suit suit : kSuits) {
        if (suit != Suit::Spades) {
            out += '.';
        }
        for (int rank = kAce; rank >= 2; --rank) {
            for (const Card card : hand) {
                if (card == cardOf(suit, rank)) {
                    out += kRankLetters[static_cast<std::size_t>(rank - 2)];
                }
            }
        }
    }
    return out;
}

std::string_view pbnDealer(int board) {
    return kSeatLetters.substr(static_cast<std::size_t>((board - 1) % 4), 1);
}

std::string_view pbnVulnerable(int board) {
    return kVulnerable[static_cast<std::size_t>((board - 1) % 16)];
}

std::string pbnText(const std::vector<PbnGame>& games, std::string_view event,
                    std::string_view date) {
    std::string out = "% PBN 2.1\n% EXPORT\n";
    int board = 0;
    for (const PbnGame& game : games) {
        ++board;
        out += '\n';
        out += tag("Event", event);
        out += tag("Site", "");
        out += tag("Date", date);
        out += tag("Board", std::to_string(board));
        for (const std::string_view player : {"West", "North", "East", "South"}) {
            out += tag(player, "");
        }
        out += tag("Dealer", pbnDealer(board));
        out += tag("Vulnerable", pbnVulnerable(board));
        std::string deal = "N:";
        for (const Seat seat : kSeats) {
            if (seat != Seat::North) {
                deal += ' ';
            }
            deal += game.wholeDeal || seat == Seat::South ? pbnHand(game.deal[index(seat)]) : "-";
        }
        out += tag("Deal", deal);
        for (const std::string_view empty : {"Scoring", "Declarer", "Contract", "Result"}) {
            out += tag(empty, "");
        }
        if (game.tricks) {
            out += optimumResultTableText(*game.tricks);
        }
        if (game.par) {
            out += parTagsText(*game.par);
        }
    }
    return out;
}

std::optional<ReadDeal> readPbnDeal(std::string_view value) {
    if (value.size() < 2 || value[1] != ':') {
        return std::nullopt;
    }
    std::size_t seat = kSeatLetters.size();
    for (std::size_t s = 0; s < kSeatLetters.size(); ++s) {
        seat = kSeatLetters[s] == value[0] ? s : seat;
    }
    if (seat == kSeatLetters.size()) {
        return std::nullopt;
    }
    ReadDeal read;
    CardSet seen = 0;
    std::size_t at = 2;
    for (int hands = 0; hands < 4; ++hands, seat = (seat + 1) % 4) {
        if (at > value.size()) {
            return std::nullopt;  // fewer than four hands
        }
        const std::size_t end = std::min(value.find(' ', at), value.size());
        const std::string_view hand = value.substr(at, end - at);
        at = end + 1;
        if (hand == "-") {
            continue;
        }
        const CardsReading cards = readCards(hand);
        if (hand.find('.') == std::string_view::npos || !cards.cards ||
            std::popcount(*cards.cards) != 13 || (*cards.cards & seen) != 0) {
            return std::nullopt;
        }
        seen |= *cards.cards;
        read.deal[seat] = handFrom(*cards.cards);
        read.known[seat] = true;
    }
    if (at <= value.size()) {
        return std::nullopt;  // more than four
    }
    return read;
}

}  // namespace ondiscale
