#include "engine/card_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <vector>

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

std::string cardText(Card card) {
    return std::string(signOf(suitOf(card)).sign) +
           kFrenchRanks[static_cast<std::size_t>(rankOf(card))];
}

std::string cardsText(CardSet cards) {
    std::string text;
    for (const Suit suit : kSuits) {
        if ((cards & suitCards(suit)) == 0) {
            continue;
        }
        text += text.empty() ? "" : " ";
        text += signOf(suit).sign;
        for (int rank = kAce; rank >= 2; --rank) {
            if ((cards & cardBit(cardOf(suit, rank))) != 0) {
                text += kFrenchRanks[static_cast<std::size_t>(rank)];
            }
        }
    }
    return text;
}

Hand handFrom(CardSet cards) {
    Hand hand{};
    std::size_t n = 0;
    for (const Suit suit : kSuits) {
        for (int rank = kAce; rank >= 2 && n < hand.size(); --rank) {
            if ((cards & cardBit(cardOf(suit, rank))) != 0) {
                hand[n++] = cardOf(suit, rank);
            }
        }
    }
    return hand;
}

CardSet cardSetOf(const Hand& hand) {
    CardSet cards = 0;
    for (const Card card : hand) {
        cards |= cardBit(card & 63U);
    }
    return cards & kAllCards;
}

namespace {

constexpr const char* kSuitsNamed = " (♠, ♥, ♦, ♣ ou P, C, K, T)";

// What one piece of the text stands for.
struct Piece {
    enum class Kind : std::uint8_t { Suit, Rank, Wrong };
    Kind kind = Kind::Wrong;
    int value = 0;  // the suit's index, or the rank
};

std::string lower(std::string_view word) {
    std::string out(word);
    for (char& ch : out) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return out;
}

// A whole word: an honour or a suit written out ("Roi", "cœur", "TREFLE").
std::optional<Piece> wordPiece(std::string_view word) {
    std::string w = lower(word);
    for (const auto& [from, to] : {std::pair{"Œ", "œ"}, std::pair{"È", "è"}}) {
        for (std::size_t at = w.find(from); at != std::string::npos; at = w.find(from)) {
            w.replace(at, std::string_view(from).size(), to);
        }
    }
    const std::array<std::pair<const char*, Piece>, 10> words{{
        {"as", {Piece::Kind::Rank, kAce}},
        {"roi", {Piece::Kind::Rank, kKing}},
        {"dame", {Piece::Kind::Rank, kQueen}},
        {"valet", {Piece::Kind::Rank, kJack}},
        {"pique", {Piece::Kind::Suit, 0}},
        {"cœur", {Piece::Kind::Suit, 1}},
        {"coeur", {Piece::Kind::Suit, 1}},
        {"carreau", {Piece::Kind::Suit, 2}},
        {"trèfle", {Piece::Kind::Suit, 3}},
        {"trefle", {Piece::Kind::Suit, 3}},
    }};
    for (const auto& [name, piece] : words) {
        if (w == name) {
            return piece;
        }
    }
    return std::nullopt;
}

// One letter. `english`: K, Q, J and T are honours rather than the
// program's suit letters K and T; Q and J never mean anything else.
Piece letterPiece(char letter, bool english) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'A':
            return {Piece::Kind::Rank, kAce};
        case 'R':
            return {Piece::Kind::Rank, kKing};
        case 'D':
            return {Piece::Kind::Rank, kQueen};
        case 'V':
            return {Piece::Kind::Rank, kJack};
        case 'Q':
            return {Piece::Kind::Rank, kQueen};
        case 'J':
            return {Piece::Kind::Rank, kJack};
        case 'P':
            return {Piece::Kind::Suit, 0};
        case 'C':
            return {Piece::Kind::Suit, 1};
        case 'K':
            return english ? Piece{Piece::Kind::Rank, kKing} : Piece{Piece::Kind::Suit, 2};
        case 'T':
            return english ? Piece{Piece::Kind::Rank, 10} : Piece{Piece::Kind::Suit, 3};
        default:
            return {};
    }
}

// The suit signs, black and white, by suit; each may be followed by a
// variation selector.
constexpr std::array<std::pair<std::string_view, int>, 8> kSigns{{
    {"♠", 0},
    {"♤", 0},
    {"♥", 1},
    {"♡", 1},
    {"♦", 2},
    {"♢", 2},
    {"♣", 3},
    {"♧", 3},
}};
constexpr std::array<std::string_view, 2> kSelectors{"\xEF\xB8\x8F", "\xEF\xB8\x8E"};
// What may stand between cards: spaces (no-break ones too) and commas.
constexpr std::array<std::string_view, 6> kGaps{" ", ",", ";", "\t", "\xC2\xA0", "\xE2\x80\xAF"};

bool startsWith(std::string_view text, std::size_t at, std::string_view what) {
    return text.substr(at, what.size()) == what;
}

std::size_t gapAt(std::string_view text, std::size_t at) {
    for (const std::string_view gap : kGaps) {
        if (startsWith(text, at, gap)) {
            return gap.size();
        }
    }
    return 0;
}

std::optional<std::pair<int, std::size_t>> signAt(std::string_view text, std::size_t at) {
    for (const auto& [sign, suit] : kSigns) {
        if (startsWith(text, at, sign)) {
            std::size_t size = sign.size();
            for (const std::string_view selector : kSelectors) {
                size += startsWith(text, at + size, selector) ? selector.size() : 0;
            }
            return std::pair{suit, size};
        }
    }
    return std::nullopt;
}

bool isLetterByte(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return std::isalpha(byte) != 0 || byte >= 0x80;
}

// The cards read so far, and the first fault met.
class Collector {
public:
    // Adds a card; false once something is wrong.
    bool add(Card card) {
        if ((cards_ & cardBit(card)) != 0) {
            return fail("le " + cardText(card) + " est donné deux fois.");
        }
        cards_ |= cardBit(card);
        return true;
    }
    bool fail(std::string message) {
        message_ = std::move(message);
        return false;
    }
    [[nodiscard]] CardsReading result() const {
        if (!message_.empty()) {
            return {std::nullopt, message_};
        }
        const int count = std::popcount(cards_);
        if (count > 13) {
            return {std::nullopt, std::to_string(count) + " cartes, plus que les 13 d'une main."};
        }
        return {cards_, {}};
    }

private:
    CardSet cards_ = 0;
    std::string message_;
};

std::string quoted(std::string_view piece) { return "« " + std::string(piece) + " »"; }

// Ranks written as digits: "10", "9" … "2", one after the other ("1052").
// Returns the bytes read, 0 when they are no ranks.
template <typename Add>
std::size_t readDigits(std::string_view text, std::size_t at, Collector& out, Add&& add) {
    std::size_t end = at;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
    }
    for (std::size_t i = at; i < end; ++i) {
        if (text[i] == '1' && i + 1 < end && text[i + 1] == '0') {
            if (!add(10)) {
                return 0;
            }
            ++i;
        } else if (text[i] >= '2' && text[i] <= '9') {
            if (!add(text[i] - '0')) {
                return 0;
            }
        } else {
            out.fail(quoted(text.substr(at, end - at)) + " n'est pas une carte.");
            return 0;
        }
    }
    return end - at;
}

// The end of the word that starts at `at`: letters, accented ones
// included, or else the one character there, whole.
std::size_t wordEnd(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isLetterByte(text[end]) && !signAt(text, end) &&
           gapAt(text, end) == 0) {
        ++end;
    }
    end = std::max(end, at + 1);
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        ++end;
    }
    return end;
}

CardsReading readDotted(std::string_view text) {
    Collector out;
    std::size_t suit = 0;
    const auto add = [&](int rank) { return out.add(cardOf(kSuits[suit], rank)); };
    std::size_t dots = 0;
    for (const char ch : text) {
        dots += ch == '.' ? 1 : 0;
    }
    if (dots != 3) {
        out.fail(quoted(text) +
                 " : une main en PBN a quatre couleurs séparées par trois points, comme "
                 "AK52.Q7.KJ84.A63.");
        return out.result();
    }
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '.') {
            ++suit;
            ++at;
        } else if (const std::size_t gap = gapAt(text, at); gap > 0) {
            at += gap;
        } else if (std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
            const std::size_t read = readDigits(text, at, out, add);
            if (read == 0) {
                return out.result();
            }
            at += read;
        } else {
            const std::size_t end = wordEnd(text, at);
            for (std::size_t i = at; i < end; ++i) {
                const Piece piece = letterPiece(text[i], true);
                if (piece.kind != Piece::Kind::Rank) {
                    out.fail(quoted(text.substr(at, end - at)) + " n'est pas une carte.");
                    return out.result();
                }
                if (!add(piece.value)) {
                    return out.result();
                }
            }
            at = end;
        }
    }
    return out.result();
}

CardsReading readMarked(std::string_view text) {
    bool english = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        english = english || signAt(text, at).has_value();
    }
    Collector out;
    std::optional<int> suit;
    const auto add = [&](int rank) {
        return out.add(cardOf(kSuits[static_cast<std::size_t>(*suit)], rank));
    };
    const auto noSuit = [&](std::string_view piece) {
        return out.fail(quoted(piece) + " : il manque la couleur devant" + kSuitsNamed + ".");
    };
    std::size_t at = 0;
    while (at < text.size()) {
        if (const std::size_t gap = gapAt(text, at); gap > 0) {
            at += gap;
        } else if (const auto sign = signAt(text, at)) {
            suit = sign->first;
            at += sign->second;
        } else if (std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
            std::size_t end = at;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
                ++end;
            }
            if (!suit) {
                noSuit(text.substr(at, end - at));
                return out.result();
            }
            if (readDigits(text, at, out, add) == 0) {
                return out.result();
            }
            at = end;
        } else {
            const std::size_t end = wordEnd(text, at);
            const std::string_view word = text.substr(at, end - at);
            std::vector<Piece> pieces;
            if (const auto whole = wordPiece(word)) {
                pieces.push_back(*whole);
            } else {
                for (const char ch : word) {
                    pieces.push_back(letterPiece(ch, english));
                }
            }
            for (const Piece& piece : pieces) {
                if (piece.kind == Piece::Kind::Wrong) {
                    out.fail(quoted(word) + " n'est ni une carte ni une couleur.");
                    return out.result();
                }
                if (piece.kind == Piece::Kind::Suit) {
                    suit = piece.value;
                } else if (!suit) {
                    noSuit(word);
                    return out.result();
                } else if (!add(piece.value)) {
                    return out.result();
                }
            }
            at = end;
        }
    }
    return out.result();
}

}  // namespace

CardsReading readCards(std::string_view text) {
    return text.find('.') != std::string_view::npos ? readDotted(text) : readMarked(text);
}

}  // namespace ondiscale
