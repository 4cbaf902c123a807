#include "formats/pbn.h"

#include <array>
#include <bit>

#include "doubledummy/pbn_tables.h"
#include "engine/board.h"
#include "engine/card_text.h"

namespace ondiscale {
namespace {

// By Vulnerability.
constexpr std::array<std::string_view, 4> kVulnerable{"None", "NS", "EW", "All"};

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
    std::uint64_t held = 0;
    for (const Card card : hand) {
        held |= card < 64 ? std::uint64_t{1} << card : 0;
    }
    std::string out;
    out.reserve(hand.size() + 3);
    for (const Suit suit : kSuits) {
        if (suit != Suit::Spades) {
            out += '.';
        }
        for (int rank = kAce; rank >= 2; --rank) {
            if ((held >> cardOf(suit, rank) & 1U) != 0) {
                out += rankLetter(cardOf(suit, rank));
            }
        }
    }
    return out;
}

std::string pbnDealText(const Deal& deal, bool wholeDeal) {
    std::string out = "N:";
    for (const Seat seat : kSeats) {
        if (seat != Seat::North) {
            out += ' ';
        }
        out += wholeDeal || seat == Seat::South ? pbnHand(deal[index(seat)]) : "-";
    }
    return out;
}

std::string_view pbnDealer(int board) {
    return kSeatLetters.substr(index(dealerOfBoard(board)), 1);
}

std::string_view pbnVulnerability(Vulnerability vulnerability) {
    return kVulnerable[static_cast<std::size_t>(vulnerability)];
}

std::string_view pbnVulnerable(int board) { return pbnVulnerability(vulnerabilityOfBoard(board)); }

std::string pbnGameText(const PbnGameFields& game, PbnTagLine tag) {
    std::string out = "\n";
    out += tag("Event", game.event);
    out += tag("Site", "");
    out += tag("Date", game.date);
    out += tag("Board", std::to_string(game.board));
    for (const std::string_view player : {"West", "North", "East", "South"}) {
        out += tag(player, "");
    }
    out += tag("Dealer", game.dealer);
    out += tag("Vulnerable", game.vulnerable);
    out += tag("Deal", game.deal);
    for (const std::string_view empty : {"Scoring", "Declarer", "Contract", "Result"}) {
        out += tag(empty, "");
    }
    if (game.tricks) {
        out += optimumResultTableText(*game.tricks);
    }
    if (game.par) {
        out += parTagsText(*game.par);
    }
    return out;
}

std::string pbnText(const std::vector<PbnGame>& games, std::string_view event,
                    std::string_view date) {
    std::string out = "% PBN 2.1\n% EXPORT\n";
    int board = 0;
    for (const PbnGame& game : games) {
        ++board;
        const std::string deal = pbnDealText(game.deal, game.wholeDeal);
        out += pbnGameText({event, date, board, pbnDealer(board), pbnVulnerable(board), deal,
                            game.tricks, game.par},
                           tag);
    }
    return out;
}

std::optional<ReadDeal> readPbnDeal(std::string_view value) {
    if (value.size() < 2 || value[1] != ':') {
        return std::nullopt;
    }
    const std::optional<Seat> first = seatOfLetter(value[0]);
    if (!first) {
        return std::nullopt;
    }
    std::size_t seat = index(*first);
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
