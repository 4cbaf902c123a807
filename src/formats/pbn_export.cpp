#include "formats/pbn_export.h"

#include <array>
#include <cstdint>
#include <optional>

#include "doubledummy/pbn_tables.h"
#include "engine/card_text.h"
#include "formats/pbn.h"

namespace ondiscale {
namespace {

// The export format's lines are 255 characters at most.
constexpr std::size_t kMostLine = 255;

// The code point of the UTF-8 sequence at `at`, and its length; nothing
// when the bytes there are no UTF-8.
struct CodePoint {
    char32_t value;
    std::size_t length;
};
std::optional<CodePoint> codePointAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return CodePoint{lead, 1};
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) {
        return std::nullopt;
    }
    char32_t value = lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        value = (value << 6) | (next & 0x3FU);
    }
    constexpr std::array<char32_t, 5> kLeast{0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return CodePoint{value, length};
}

// What Latin-1 has no byte for, as it is written instead.
std::string_view replacementOf(char32_t c) {
    switch (c) {
        case U'≤':
            return "<=";
        case U'≥':
            return ">=";
        case U'♠':
        case U'♤':
            return "P";
        case U'♥':
        case U'♡':
            return "C";
        case U'♦':
        case U'♢':
            return "K";
        case U'♣':
        case U'♧':
            return "T";
        case U'œ':
            return "oe";
        case U'Œ':
            return "OE";
        case U'‐':
        case U'‑':
        case U'–':
        case U'—':
        case U'−':
            return "-";
        case U'…':
            return "...";
        case U'‘':
        case U'’':
            return "'";
        case U'“':
        case U'”':
            return "\"";
        case U'\u202F':
        case U'\u2009':
        case U'\u00A0':
            return " ";
        default:
            return "?";
    }
}

// A tag's line: its value in Latin-1 between quotes, quotes and
// backslashes escaped, cut (with "...") where the line would pass the
// standard's length.
std::string tag(std::string_view name, std::string_view utf8Value) {
    std::string head = "[";
    head += name;
    head += " \"";
    std::string value;
    for (const char ch : pbnLatin1(utf8Value)) {
        if (ch == '"' || ch == '\\') {
            value += '\\';
        }
        value += ch;
    }
    const std::size_t room = kMostLine - head.size() - 2;
    if (value.size() > room) {
        value.resize(room - 3);
        while (!value.empty() && value.back() == '\\') {
            value.pop_back();  // never half an escape
        }
        value += "...";
    }
    head += value;
    head += "\"]\n";
    return head;
}

// The Deal tag's value, from the dealer clockwise.
std::string dealValue(const Deal& deal, Seat dealer) {
    std::string out(1, seatLetter(dealer));
    out += ':';
    for (std::size_t i = 0; i < 4; ++i) {
        out += i == 0 ? "" : " ";
        out += pbnHand(deal[(index(dealer) + i) % 4]);
    }
    return out;
}

std::string crLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 20);
    for (const char ch : text) {
        if (ch == '\n') {
            out += '\r';
        }
        out += ch;
    }
    return out;
}

}  // namespace

std::string pbnLatin1(std::string_view utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<CodePoint> c = codePointAt(utf8, at);
        if (!c) {
            out += '?';
            ++at;
            continue;
        }
        at += c->length;
        if (c->value < 0x20 || (c->value >= 0x7F && c->value < 0xA0)) {
            out += ' ';
        } else if (c->value < 0x80 || (c->value > 0xA0 && c->value <= 0xFF)) {
            out += static_cast<char>(static_cast<std::uint8_t>(c->value));
        } else {
            out += replacementOf(c->value);
        }
    }
    return out;
}

std::string pbnExportText(const std::vector<Example>& boards, std::string_view event,
                          std::string_view date) {
    std::string out = "% PBN 2.1\n% EXPORT\n";
    int place = 0;
    for (const Example& example : boards) {
        ++place;
        const BoardLabel label = example.board.value_or(
            BoardLabel{place, dealerOfBoard(place), vulnerabilityOfBoard(place)});
        const std::string dealer(1, seatLetter(label.dealer));
        const std::string deal = dealValue(example.deal, label.dealer);
        out +=
            pbnGameText({event, date, label.number, dealer, pbnVulnerability(label.vulnerability),
                         deal, example.tricks, example.par},
                        tag);
    }
    return crLf(out);
}

}  // namespace ondiscale
