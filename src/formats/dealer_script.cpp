#include "formats/dealer_script.h"

#include <array>
#include <utility>
#include <vector>

#include "formats/card_letters.h"
#include "formats/dealer_words.h"
#include "formats/shape_sets.h"

namespace ondiscale {
namespace {

// Letters and signs the French texts use, with their ASCII forms.
constexpr std::array<std::pair<char32_t, const char*>, 41> kAscii{{
    {U'à', "a"}, {U'â', "a"}, {U'ä', "a"}, {U'ç', "c"},   {U'é', "e"},      {U'è', "e"},
    {U'ê', "e"}, {U'ë', "e"}, {U'î', "i"}, {U'ï', "i"},   {U'ô', "o"},      {U'ö', "o"},
    {U'ù', "u"}, {U'û', "u"}, {U'ü', "u"}, {U'ÿ', "y"},   {U'œ', "oe"},     {U'æ', "ae"},
    {U'À', "A"}, {U'Â', "A"}, {U'Ç', "C"}, {U'É', "E"},   {U'È', "E"},      {U'Ê', "E"},
    {U'Î', "I"}, {U'Ô', "O"}, {U'Ù', "U"}, {U'Œ', "OE"},  {U'≤', "<="},     {U'≥', ">="},
    {U'♠', "P"}, {U'♥', "C"}, {U'♦', "K"}, {U'♣', "T"},   {U'«', "'"},      {U'»', "'"},
    {U'’', "'"}, {U'—', "-"}, {U'–', "-"}, {U'…', "..."}, {U'\u00a0', " "},
}};

// The next code point of UTF-8 text, or U+FFFD for a byte that starts none.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xF0) {
        length = 4;
        value = lead & 0x07U;
    } else if (lead >= 0xE0) {
        length = 3;
        value = lead & 0x0FU;
    } else if (lead >= 0xC0) {
        length = 2;
        value = lead & 0x1FU;
    } else if (lead >= 0x80) {
        ++at;
        return U'\uFFFD';
    }
    if (at + length > text.size()) {
        at = text.size();
        return U'\uFFFD';
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) {
            at += i;
            return U'\uFFFD';
        }
        value = (value << 6U) | (byte(at + i) & 0x3FU);
    }
    at += length;
    return value;
}

std::string lengthDigits(const Lengths& lengths) {
    std::string out;
    for (const std::uint8_t length : lengths) {
        // A suit of ten or more leaves at most three cards to the others,
        // which then fix it: dealer writes only digits and "x".
        out += length >= 10 ? 'x' : static_cast<char>('0' + length);
    }
    return out;
}

std::string shapeText(Seat seat, const ShapeSet& shapes) {
    std::vector<std::string> items;
    for (const ShapeTerm& term : shapes.terms) {
        switch (term.kind) {
            case ShapeTerm::Kind::Class:
                for (const Lengths& pattern : classPatterns(term.shapeClass)) {
                    items.push_back("any " + lengthDigits(pattern));
                }
                break;
            case ShapeTerm::Kind::AnyOrder:
                items.push_back("any " + lengthDigits(longestFirst(term.lengths)));
                break;
            case ShapeTerm::Kind::SuitOrder:
                items.push_back(lengthDigits(term.lengths));
                break;
        }
    }
    std::string out = "shape(";
    out += seatWord(seat);
    out += ", ";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? "" : " + ";
        out += items[i];
    }
    return out + ")";
}

// "spades(north) >= 5", "hcp(south) == 12": a range that differs from the
// measure's whole span [0, top], as one or two comparisons.
void addRange(std::vector<std::string>& terms, const std::string& measure, Range range,
              std::uint8_t top) {
    if (range.min == range.max) {
        terms.push_back(measure + " == " + std::to_string(range.min));
        return;
    }
    if (range.min > 0) {
        terms.push_back(measure + " >= " + std::to_string(range.min));
    }
    if (range.max < top) {
        terms.push_back(measure + " <= " + std::to_string(range.max));
    }
}

std::string handMeasure(Seat seat, std::size_t quantity) {
    std::string out(quantityWord(quantity));
    out += '(';
    out += seatWord(seat);
    return out + ')';
}

// "hcp(north) + hcp(south)"
std::string sideMeasure(Side side, std::size_t quantity) {
    const auto [first, second] = partnersOf(side);
    return handMeasure(first, quantity) + " + " + handMeasure(second, quantity);
}

template <typename Measure>
void addBounds(std::vector<std::string>& terms, const HandBounds& bounds, Measure measure,
               std::uint8_t topPoints) {
    for (const Suit suit : kSuits) {
        addRange(terms, measure(index(suit)), bounds.suit(suit), kSuitCards);
    }
    addRange(terms, measure(kPointsQuantity), bounds.points, topPoints);
}

// The cards each hand holds in every alternative of a part.
using SeatCards = std::array<CardSet, 4>;

// One alternative as a conjunction, leaving out the cards predealt.
std::string alternativeText(const Alternative& alternative, const SeatCards& predealt) {
    std::vector<std::string> terms;
    for (const Seat seat : kSeats) {
        addBounds(
            terms, alternative.bounds.hand(seat),
            [seat](std::size_t quantity) { return handMeasure(seat, quantity); }, kHandPoints);
        if (!alternative.shapes[index(seat)].any()) {
            terms.push_back(shapeText(seat, alternative.shapes[index(seat)]));
        }
        const CardSet held = alternative.cards[index(seat)] & ~predealt[index(seat)];
        for (Card card = kLowestCard; card <= kHighestCard; ++card) {
            if ((held & cardBit(card)) != 0) {
                std::string term = "hascard(";
                term += seatWord(seat);
                terms.push_back(term + ", " + rankLetter(card) + suitLetter(suitOf(card)) + ")");
            }
        }
    }
    for (const Side side : kSides) {
        addBounds(
            terms, alternative.bounds.side(side),
            [side](std::size_t quantity) { return sideMeasure(side, quantity); }, kSidePoints);
    }
    if (terms.empty()) {
        return "1";
    }
    std::string out;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        out += i == 0 ? "" : " and ";
        out += terms[i];
    }
    return out;
}

std::string partText(const ConditionPart& part, const SeatCards& predealt) {
    if (part.alternatives.size() == 1) {
        return alternativeText(part.alternatives.front(), predealt);
    }
    std::string out;
    for (std::size_t i = 0; i < part.alternatives.size(); ++i) {
        out += i == 0 ? "(" : "\n    or (";
        out += alternativeText(part.alternatives[i], predealt) + ")";
    }
    return out;
}

std::string predealText(Seat seat, CardSet cards) {
    std::string out = "predeal ";
    out += seatWord(seat);
    bool first = true;
    for (const Suit suit : kSuits) {
        std::string ranks;
        for (int rank = kAce; rank >= 2; --rank) {
            const Card card = cardOf(suit, rank);
            if ((cards & cardBit(card)) != 0) {
                ranks += rankLetter(card);
            }
        }
        if (!ranks.empty()) {
            out += first ? " " : ", ";
            out += suitLetter(suit) + ranks;
            first = false;
        }
    }
    return out + "\n";
}

}  // namespace

std::string scriptSafeText(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextCodePoint(text, at);
        if (c == U'"') {
            out += '\'';
        } else if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            const char* ascii = "?";
            for (const auto& [from, to] : kAscii) {
                ascii = from == c ? to : ascii;
            }
            out += ascii;
        }
    }
    return out;
}

std::string dealerScript(const Condition& condition, const DealerScriptOptions& options) {
    std::string out = "# Script pour dealer, ecrit par ondiscale.\n";
    if (!options.knownText.empty()) {
        out += "# Ce que l'on sait : " + scriptSafeText(options.knownText) + "\n";
    }
    if (!options.askedText.empty()) {
        out += "# Ce que l'on cherche : " + scriptSafeText(options.askedText) + "\n";
    }
    out += "generate " + std::to_string(options.generate) + "\n";
    out += "produce " + std::to_string(options.produce) + "\n";
    // Cards every known alternative gives a hand are dealt there first:
    // dealer then deals only the others, instead of waiting for deals
    // that happen to hold them.
    SeatCards predealt;
    predealt.fill(~CardSet{0});
    for (const Alternative& alternative : condition.known.alternatives) {
        for (std::size_t seat = 0; seat < 4; ++seat) {
            predealt[seat] &= alternative.cards[seat];
        }
    }
    for (const Seat seat : kSeats) {
        if (predealt[index(seat)] != 0) {
            out += predealText(seat, predealt[index(seat)]);
        }
    }
    const std::string known = partText(condition.known, predealt);
    if (known != "1") {
        out += "condition " + known + "\n";
    }
    const std::string label =
        options.askedText.empty() ? "Ce que l'on cherche" : scriptSafeText(options.askedText);
    out += "action average \"" + label + "\" " + partText(condition.asked, SeatCards{}) + "\n";
    return out;
}

}  // namespace ondiscale
