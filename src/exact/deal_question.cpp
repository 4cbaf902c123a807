#include "exact/deal_question.h"

#include <algorithm>
#include <bit>

namespace ondiscale {
namespace {

Range common(const Range& a, const Range& b) {
    return {std::max(a.min, b.min), std::min(a.max, b.max)};
}

HandBounds common(const HandBounds& a, const HandBounds& b) {
    HandBounds both;
    for (std::size_t s = 0; s < both.suits.size(); ++s) {
        both.suits[s] = common(a.suits[s], b.suits[s]);
    }
    both.points = common(a.points, b.points);
    return both;
}

bool empty(const HandBounds& bounds) {
    return bounds.points.min > bounds.points.max ||
           std::any_of(bounds.suits.begin(), bounds.suits.end(),
                       [](const Range& r) { return r.min > r.max; });
}

}  // namespace

DealQuestion::DealQuestion() {
    for (LengthVectors& shape : shapes) {
        shape.set();
    }
}

DealQuestion questionOf(const Alternative& alternative) {
    DealQuestion question;
    question.bounds = alternative.bounds;
    for (std::size_t h = 0; h < question.shapes.size(); ++h) {
        question.shapes[h] = vectorsOf(alternative.shapes[h]);
    }
    question.cards = alternative.cards;
    return question;
}

DealQuestion questionOf(const TableBounds& bounds) {
    DealQuestion question;
    question.bounds = bounds;
    return question;
}

DealQuestion bothOf(const DealQuestion& a, const DealQuestion& b) {
    DealQuestion both;
    for (std::size_t h = 0; h < both.shapes.size(); ++h) {
        both.bounds.hands[h] = common(a.bounds.hands[h], b.bounds.hands[h]);
        both.shapes[h] = a.shapes[h] & b.shapes[h];
        both.cards[h] = a.cards[h] | b.cards[h];
    }
    for (std::size_t p = 0; p < both.bounds.sides.size(); ++p) {
        both.bounds.sides[p] = common(a.bounds.sides[p], b.bounds.sides[p]);
    }
    return both;
}

bool plainlyEmpty(const DealQuestion& question) {
    CardSet seen = 0;
    for (std::size_t h = 0; h < question.cards.size(); ++h) {
        const CardSet cards = question.cards[h];
        if ((cards & seen) != 0 || std::popcount(cards) > kSuitCards || question.shapes[h].none() ||
            empty(question.bounds.hands[h])) {
            return true;
        }
        seen |= cards;
    }
    return std::any_of(question.bounds.sides.begin(), question.bounds.sides.end(),
                       [](const HandBounds& side) { return empty(side); });
}

}  // namespace ondiscale
