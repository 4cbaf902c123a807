#include "condition/shapes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>

#include "condition/table_texts.h"
#include "text/number_text.h"
#include "text/text_fill.h"

namespace ondiscale {
namespace {

namespace texts = table_texts;

struct ClassName {
    ShapeClass shapeClass;
    const char* name;  // as written
    const char* key;   // as compared: lower case, no accent, space or hyphen
};
constexpr std::array<ClassName, 6> kClassNames{{
    {ShapeClass::Regular, "régulière", "reguliere"},
    {ShapeClass::SemiRegular, "semi-régulière", "semireguliere"},
    {ShapeClass::OneSuited, "unicolore", "unicolore"},
    {ShapeClass::TwoSuited, "bicolore", "bicolore"},
    {ShapeClass::ThreeSuited, "tricolore", "tricolore"},
    {ShapeClass::NoShortSuit, "sans singleton ni chicane", "sanssingletonnichicane"},
}};

}  // namespace

SuitLengths longestFirst(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

bool inShapeClass(ShapeClass shapeClass, const SuitLengths& lengths) {
    const SuitLengths sorted = longestFirst(lengths);
    const int a = sorted[0];
    const int b = sorted[1];
    const int c = sorted[2];
    const int d = sorted[3];
    const auto is = [&](int w, int x, int y, int z) {
        return a == w && b == x && c == y && d == z;
    };
    switch (shapeClass) {
        case ShapeClass::Regular:
            return is(4, 3, 3, 3) || is(4, 4, 3, 2) || is(5, 3, 3, 2);
        case ShapeClass::SemiRegular:
            return is(5, 4, 2, 2) || is(6, 3, 2, 2);
        case ShapeClass::OneSuited:
            return a >= 6 && b <= 3;
        case ShapeClass::TwoSuited:
            return a >= 5 && b >= 4 && c <= 3;
        case ShapeClass::ThreeSuited:
            return is(4, 4, 4, 1) || is(5, 4, 4, 0);
        case ShapeClass::NoShortSuit:
            return d >= 2;
    }
    return false;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto space = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A class's name as compared: lower case, the accents of "régulière" and
// "trèfle" gone, no space, hyphen or no-break space.
std::string keyOf(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            // é è ê É È Ê
            if (next == 0xA9 || next == 0xA8 || next == 0xAA || next == 0x89 || next == 0x88 ||
                next == 0x8A) {
                key += 'e';
                ++i;
                continue;
            }
        }
        if (byte == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        if (text[i] == ' ' || text[i] == '-' || text[i] == '\t') {
            continue;
        }
        key += static_cast<char>(std::tolower(byte));
    }
    return key;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch)) != 0;
    });
}

// One piece: a class, a pattern, or the message that refuses it.
struct TermReading {
    std::optional<ShapeTerm> term;
    std::string message;
};

TermReading lengthsTerm(ShapeTerm::Kind kind, std::string_view piece,
                        const std::vector<int>& lengths) {
    if (lengths.size() != 4) {
        return {std::nullopt, fill(texts::kShapeFourLengths, {std::string(piece)})};
    }
    int sum = 0;
    ShapeTerm term{kind, ShapeClass::Regular, {}};
    for (std::size_t s = 0; s < 4; ++s) {
        sum += lengths[s];
        term.lengths[s] = static_cast<std::uint8_t>(std::min(lengths[s], 99));
    }
    if (sum != kSuitCards) {
        return {std::nullopt, fill(texts::kShapeThirteen, {std::string(piece), wholeText(sum)})};
    }
    if (kind == ShapeTerm::Kind::AnyOrder) {
        term.lengths = longestFirst(term.lengths);
    }
    return {term, {}};
}

TermReading readTerm(std::string_view piece) {
    const std::string unknown = fill(texts::kShapeUnknown, {std::string(piece)});
    if (piece.find('=') != std::string_view::npos) {
        std::vector<int> lengths;
        std::string_view rest = piece;
        while (true) {
            const std::size_t sign = rest.find('=');
            const std::string_view part = trimmed(rest.substr(0, sign));
            if (!allDigits(part) || part.size() > 2) {
                return {std::nullopt, unknown};
            }
            lengths.push_back(std::stoi(std::string(part)));
            if (sign == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(sign + 1);
        }
        return lengthsTerm(ShapeTerm::Kind::SuitOrder, piece, lengths);
    }
    if (allDigits(piece)) {
        // One digit a suit; a suit of ten or more, written first as the
        // longest, takes two ("10111", "13000").
        std::vector<int> lengths;
        std::size_t at = 0;
        if (piece.size() == 5 && piece[0] == '1' && piece[1] <= '3') {
            lengths.push_back(10 + piece[1] - '0');
            at = 2;
        }
        for (; at < piece.size(); ++at) {
            lengths.push_back(piece[at] - '0');
        }
        return lengthsTerm(ShapeTerm::Kind::AnyOrder, piece, lengths);
    }
    const std::string key = keyOf(piece);
    for (const ClassName& c : kClassNames) {
        if (key == c.key) {
            return {ShapeTerm{ShapeTerm::Kind::Class, c.shapeClass, {}}, {}};
        }
    }
    return {std::nullopt, unknown};
}

}  // namespace

bool fits(const ShapeTerm& term, const SuitLengths& lengths) {
    switch (term.kind) {
        case ShapeTerm::Kind::Class:
            return inShapeClass(term.shapeClass, lengths);
        case ShapeTerm::Kind::AnyOrder:
            // A pattern read from a file may come in any order.
            return longestFirst(lengths) == longestFirst(term.lengths);
        case ShapeTerm::Kind::SuitOrder:
            return lengths == term.lengths;
    }
    return false;
}

bool fits(const ShapeSet& shapes, const SuitLengths& lengths) {
    return shapes.any() || std::any_of(shapes.terms.begin(), shapes.terms.end(),
                                       [&](const ShapeTerm& t) { return fits(t, lengths); });
}

ShapesReading readShapes(std::string_view text) {
    ShapeSet shapes;
    if (trimmed(text).empty()) {
        return {shapes, {}};
    }
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view piece = trimmed(text.substr(0, comma));
        if (piece.empty()) {
            return {std::nullopt, texts::kShapeMissing};
        }
        TermReading read = readTerm(piece);
        if (!read.term) {
            return {std::nullopt, std::move(read.message)};
        }
        shapes.terms.push_back(*read.term);
        if (comma == std::string_view::npos) {
            return {shapes, {}};
        }
        text.remove_prefix(comma + 1);
    }
}

const char* nameOf(ShapeClass shapeClass) {
    for (const ClassName& c : kClassNames) {
        if (c.shapeClass == shapeClass) {
            return c.name;
        }
    }
    return "";
}

std::string shapesText(const ShapeSet& shapes) {
    std::string text;
    for (const ShapeTerm& term : shapes.terms) {
        text += text.empty() ? "" : ", ";
        switch (term.kind) {
            case ShapeTerm::Kind::Class:
                text += nameOf(term.shapeClass);
                break;
            case ShapeTerm::Kind::AnyOrder:
                for (const std::uint8_t n : term.lengths) {
                    text += wholeText(n);
                }
                break;
            case ShapeTerm::Kind::SuitOrder:
                for (std::size_t s = 0; s < term.lengths.size(); ++s) {
                    if (s > 0) {
                        text += '=';
                    }
                    text += wholeText(term.lengths[s]);
                }
                break;
        }
    }
    return text;
}

}  // namespace ondiscale
