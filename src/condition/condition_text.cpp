#include "condition/condition_text.h"

#include <vector>

#include "condition/shapes.h"
#include "engine/card_text.h"
#include "text/number_text.h"

namespace ondiscale {
namespace {

constexpr const char* kAnyHand = "toutes les mains";
constexpr const char* kAnyDeal = "toutes les donnes";
constexpr const char* kPoints = "points";
constexpr const char* kPoint = "point";
constexpr const char* kShape = "forme ";
constexpr const char* kCards = "cartes ";
constexpr const char* kOr = " ou ";
constexpr const char* kAnd = " et ";
constexpr const char* kKnowing = "Sachant que ";
constexpr const char* kHas = " a ";
constexpr const char* kHave = " ont ";
constexpr const char* kDistribution = "une distribution ";
constexpr const char* kOrMore = " ou plus";
constexpr const char* kOrLess = " ou moins";
constexpr const char* kTo = " à ";

void addRange(std::string& text, const Range& range, const Range& open, const char* what) {
    if (range == open) {
        return;
    }
    text += text.empty() ? "" : ", ";
    text += wholeText(range.min) + " ≤ " + what + " ≤ " + wholeText(range.max);
}

// The ranges that differ from `open`'s; empty when none does.
std::string rangesText(const HandBounds& bounds, const HandBounds& open) {
    std::string text;
    for (const Suit suit : kSuits) {
        addRange(text, bounds.suit(suit), open.suit(suit), signOf(suit).sign);
    }
    addRange(text, bounds.points, open.points, kPoints);
    return text;
}

// The shapes joined by "ou": "régulière ou 5422".
std::string shapesSaid(const ShapeSet& shapes) {
    std::string text;
    for (const ShapeTerm& term : shapes.terms) {
        text += text.empty() ? "" : kOr;
        text += shapesText(ShapeSet{{term}});
    }
    return text;
}

// Items joined by commas, the last by "et": "a, b et c".
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? kAnd : ", ";
        }
        text += items[i];
    }
    return text;
}

// A range read aloud: "5 ♠", "4 ♥ ou plus", "2 ♦ ou moins", "15 à 17 points".
std::string rangeSaid(const Range& range, const Range& open, bool points, const char* sign) {
    const auto unit = [&](unsigned n) {
        std::string text = " ";
        text += points ? (n >= 2 ? kPoints : kPoint) : sign;
        return text;
    };
    if (range.min == range.max) {
        return wholeText(range.min) + unit(range.min);
    }
    if (range.max >= open.max) {
        return wholeText(range.min) + unit(range.min) + kOrMore;
    }
    if (range.min == 0) {
        return wholeText(range.max) + unit(range.max) + kOrLess;
    }
    return wholeText(range.min) + kTo + wholeText(range.max) + unit(range.max);
}

std::vector<std::string> rangesSaid(const HandBounds& bounds, const HandBounds& open) {
    std::vector<std::string> items;
    for (const Suit suit : kSuits) {
        if (bounds.suit(suit) != open.suit(suit)) {
            items.push_back(
                rangeSaid(bounds.suit(suit), open.suit(suit), false, signOf(suit).sign));
        }
    }
    if (bounds.points != open.points) {
        items.push_back(rangeSaid(bounds.points, open.points, true, ""));
    }
    return items;
}

// An alternative as tableBoundsText writes its rows.
std::string alternativeRows(const Alternative& alternative) {
    std::string text;
    const auto add = [&](const char* name, const std::string& row) {
        if (!row.empty()) {
            text += (text.empty() ? "" : " ; ") + std::string(name) + " : " + row;
        }
    };
    for (const Seat seat : kSeats) {
        std::string row = rangesText(alternative.bounds.hand(seat), HandBounds{});
        const ShapeSet& shapes = alternative.shapes[index(seat)];
        if (!shapes.any()) {
            row += (row.empty() ? "" : ", ") + std::string(kShape) + shapesSaid(shapes);
        }
        if (const CardSet cards = alternative.cards[index(seat)]; cards != 0) {
            row += (row.empty() ? "" : ", ") + std::string(kCards) + cardsText(cards);
        }
        add(nameOf(seat), row);
    }
    for (const Side side : kSides) {
        add(nameOf(side), rangesText(alternative.bounds.side(side), anySide()));
    }
    return text.empty() ? kAnyDeal : text;
}

// An alternative read aloud: "Sud a 15 à 17 points et une distribution
// régulière, Nord a ♠AR52 et Nord-Sud ont 25 points ou plus".
std::string alternativeSaid(const Alternative& alternative) {
    std::vector<std::string> clauses;
    for (const Seat seat : kSeats) {
        std::vector<std::string> items = rangesSaid(alternative.bounds.hand(seat), HandBounds{});
        const ShapeSet& shapes = alternative.shapes[index(seat)];
        if (!shapes.any()) {
            items.push_back(kDistribution + shapesSaid(shapes));
        }
        if (const CardSet cards = alternative.cards[index(seat)]; cards != 0) {
            items.push_back(cardsText(cards));
        }
        if (!items.empty()) {
            clauses.push_back(nameOf(seat) + std::string(kHas) + listed(items));
        }
    }
    for (const Side side : kSides) {
        const std::vector<std::string> items = rangesSaid(alternative.bounds.side(side), anySide());
        if (!items.empty()) {
            clauses.push_back(nameOf(side) + std::string(kHave) + listed(items));
        }
    }
    return clauses.empty() ? kAnyDeal : listed(clauses);
}

template <typename Say>
std::string alternativesJoined(const ConditionPart& part, Say&& say) {
    if (asksNothing(part)) {
        return kAnyDeal;
    }
    std::string text;
    for (const Alternative& alternative : part.alternatives) {
        text += text.empty() ? "" : kOr;
        text += say(alternative);
    }
    return text;
}

}  // namespace

std::string boundsText(const HandBounds& bounds) {
    const std::string text = rangesText(bounds, HandBounds{});
    return text.empty() ? kAnyHand : text;
}

std::string tableBoundsText(const TableBounds& bounds) {
    Alternative alternative;
    alternative.bounds = bounds;
    return alternativeRows(alternative);
}

std::string partSentence(const ConditionPart& part) {
    return alternativesJoined(part, alternativeSaid);
}

std::string conditionText(const Condition& condition) {
    if (asksNothing(condition.known)) {
        return alternativesJoined(condition.asked, alternativeRows);
    }
    return kKnowing + partSentence(condition.known) + " : " + partSentence(condition.asked);
}

}  // namespace ondiscale
