#include "condition/bounds_check.h"

#include "text/number_text.h"
#include "text/typed_text.h"

namespace ondiscale {

std::optional<std::uint8_t> boxValue(std::string_view typed) {
    const std::string plain = plainTyped(typed);
    std::string_view text = plain;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    unsigned value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(ch - '0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint8_t>(value);
}

BoundTexts textsOf(const HandBounds& bounds) {
    const auto texts = [](const Range& r) {
        return RangeTexts{wholeText(r.min), wholeText(r.max)};
    };
    BoundTexts out;
    for (const Suit suit : kSuits) {
        out.suits[index(suit)] = texts(bounds.suit(suit));
    }
    out.points = texts(bounds.points);
    return out;
}

namespace {

// Both ends of a range, when both are numbers no larger than `limit`.
std::optional<Range> rangeWithin(const RangeTexts& texts, unsigned limit) {
    const auto min = boxValue(texts.min);
    const auto max = boxValue(texts.max);
    if (!min || !max || *min > limit || *max > limit) {
        return std::nullopt;
    }
    return Range{*min, *max};
}

}  // namespace

BoundsCheck checkBounds(const BoundTexts& texts) {
    BoundsCheck check;
    HandBounds bounds;
    unsigned minima = 0;
    for (const Suit suit : kSuits) {
        const auto range = rangeWithin(texts.suits[index(suit)], kSuitCards);
        if (!range || range->max < range->min) {
            check.cardsRejected = true;
            continue;
        }
        bounds.suit(suit) = *range;
        minima += range->min;
    }
    check.cardsRejected = check.cardsRejected || minima > kSuitCards;

    const auto points = rangeWithin(texts.points, kHandPoints);
    check.pointsRejected = !points || points->max < points->min;
    if (!check.cardsRejected && !check.pointsRejected) {
        bounds.points = *points;
        check.bounds = bounds;
    }
    return check;
}

}  // namespace ondiscale
