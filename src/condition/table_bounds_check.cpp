#include "condition/table_bounds_check.h"

#include <algorithm>
#include <bit>
#include <variant>

#include "condition/shapes.h"
#include "condition/table_texts.h"
#include "engine/card_text.h"
#include "text/number_text.h"
#include "text/text_fill.h"
#include "text/typed_text.h"

namespace ondiscale {
namespace {

namespace texts = table_texts;

constexpr unsigned kDeckPoints = kSidePoints;
constexpr unsigned kHandCards = kSuitCards;
constexpr unsigned kSideCards = 2 * kSuitCards;

bool isSide(std::size_t row) { return row >= 4; }

// The most a measure of that row can reach.
unsigned limitOf(std::size_t row, std::size_t measure) {
    if (measure != kPointsMeasure) {
        return kSuitCards;
    }
    return isSide(row) ? kSidePoints : kHandPoints;
}

Range& rangeOf(TableBounds& bounds, std::size_t row, std::size_t measure) {
    HandBounds& b = isSide(row) ? bounds.sides[row - 4] : bounds.hands[row];
    return measure == kPointsMeasure ? b.points : b.suits[measure];
}

std::string text(unsigned n) { return wholeText(static_cast<std::int64_t>(n)); }

TableBoundsCheck refused(std::string message, TableBox box) {
    return {std::nullopt, std::move(message), box};
}

// The two hands of a partnership row.
std::pair<std::size_t, std::size_t> handsOf(std::size_t row) {
    return row == rowOf(Side::NorthSouth) ? std::pair{rowOf(Seat::North), rowOf(Seat::South)}
                                          : std::pair{rowOf(Seat::East), rowOf(Seat::West)};
}

}  // namespace

std::string rowName(std::size_t row) { return isSide(row) ? kSideNames[row - 4] : kSeatNames[row]; }

std::string boxName(const TableBox& box) {
    return rowName(box.row) + " " + texts::kMeasureNames[box.measure] + " " +
           (box.max ? texts::kMaximum : texts::kMinimum);
}

TableTexts textsOf(const TableBounds& bounds) {
    TableTexts out;
    TableBounds copy = bounds;
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            const Range& r = rangeOf(copy, row, m);
            out[row][m] = {text(r.min), text(r.max)};
        }
    }
    return out;
}

TableBoundsCheck checkTableBounds(const TableTexts& texts) {
    TableBounds bounds;
    // Each box a whole number within its limits.
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            Range& range = rangeOf(bounds, row, m);
            for (const bool max : {false, true}) {
                const TableBox box{row, m, max};
                const std::string typed = plainTyped(max ? texts[row][m].max : texts[row][m].min);
                const auto value = boxValue(typed);
                const unsigned limit = limitOf(row, m);
                if (typed.find_first_not_of(' ') == std::string::npos) {
                    return refused(fill(texts::kEmpty, {boxName(box), text(limit)}), box);
                }
                if (!value || *value > limit) {
                    return refused(fill(texts::kNotANumber, {boxName(box), typed, text(limit)}),
                                   box);
                }
                (max ? range.max : range.min) = *value;
            }
        }
    }
    // Each range the right way round.
    for (std::size_t row = 0; row < kTableRows; ++row) {
        for (std::size_t m = 0; m < kMeasures; ++m) {
            const Range& r = rangeOf(bounds, row, m);
            if (r.min > r.max) {
                return refused(
                    fill(texts::kMinAboveMax,
                         {rowName(row) + " " + texts::kMeasureNames[m], text(r.min), text(r.max)}),
                    {row, m, false});
            }
        }
    }
    // Each row's suits against its cards.
    for (std::size_t row = 0; row < kTableRows; ++row) {
        unsigned minima = 0;
        unsigned maxima = 0;
        for (std::size_t m = 0; m < kPointsMeasure; ++m) {
            minima += rangeOf(bounds, row, m).min;
            maxima += rangeOf(bounds, row, m).max;
        }
        const unsigned cards = isSide(row) ? kSideCards : kHandCards;
        if (minima > cards) {
            return refused(fill(isSide(row) ? texts::kSideMinima : texts::kHandMinima,
                                {rowName(row), text(minima), text(cards)}),
                           {row, 0, false});
        }
        if (maxima < cards) {
            return refused(fill(isSide(row) ? texts::kSideMaxima : texts::kHandMaxima,
                                {rowName(row), text(maxima), text(cards)}),
                           {row, 0, true});
        }
    }
    // Each partnership against its two hands, then against the other
    // partnership, which holds what it does not: 13 cards of each suit
    // and 40 points between them.
    for (const Side side : kSides) {
        const std::size_t row = rowOf(side);
        const auto [a, b] = handsOf(row);
        for (std::size_t m = 0; m < kMeasures; ++m) {
            const Range& wanted = rangeOf(bounds, row, m);
            const unsigned total = m == kPointsMeasure ? kDeckPoints : kSuitCards;
            const unsigned least = rangeOf(bounds, a, m).min + rangeOf(bounds, b, m).min;
            if (least > total) {
                continue;  // the two hands alone ask too much: said across the four hands
            }
            // What the two hands can hold together: never more than the suit
            // or the deck has.
            const unsigned low = least;
            const unsigned high =
                std::min<unsigned>(rangeOf(bounds, a, m).max + rangeOf(bounds, b, m).max, total);
            const std::string what = rowName(row) + " " + texts::kMeasureNames[m];
            if (wanted.max < low || wanted.min > high) {
                return refused(
                    fill(texts::kSideAndHands, {what, rowName(a), rowName(b), text(low), text(high),
                                                text(wanted.min), text(wanted.max)}),
                    {row, m, wanted.max < low});
            }
            const std::size_t other =
                row == rowOf(Side::NorthSouth) ? rowOf(Side::EastWest) : rowOf(Side::NorthSouth);
            const Range& theirs = rangeOf(bounds, other, m);
            const unsigned restLow = total - std::min<unsigned>(theirs.max, total);
            const unsigned restHigh = total - std::min<unsigned>(theirs.min, total);
            if (row == rowOf(Side::EastWest) && (wanted.max < restLow || wanted.min > restHigh)) {
                return refused(
                    fill(texts::kSideAndOpponents,
                         {what, rowName(other), text(theirs.min), text(theirs.max), text(restLow),
                          text(restHigh), text(wanted.min), text(wanted.max)}),
                    {row, m, wanted.max < restLow});
            }
        }
    }
    // Each suit, and the points, across the four hands, each partnership
    // holding at least (at most) what its row or its two hands ask: a hand
    // and the other partnership can ask too much together.
    for (std::size_t m = 0; m < kMeasures; ++m) {
        unsigned minima = 0;
        unsigned maxima = 0;
        std::size_t first = 0;
        for (std::size_t row = 4; row-- > 0;) {
            first = rangeOf(bounds, row, m).min > 0 ? row : first;
        }
        for (const Side side : kSides) {
            const std::size_t row = rowOf(side);
            const auto [a, b] = handsOf(row);
            const Range& pair = rangeOf(bounds, row, m);
            const Range& one = rangeOf(bounds, a, m);
            const Range& other = rangeOf(bounds, b, m);
            minima += std::max<unsigned>(one.min + other.min, pair.min);
            maxima += std::min<unsigned>(one.max + other.max, pair.max);
        }
        const unsigned total = m == kPointsMeasure ? kDeckPoints : kSuitCards;
        if (minima > total) {
            return refused(m == kPointsMeasure
                               ? fill(texts::kPointMinima, {text(minima)})
                               : fill(texts::kSuitMinima, {texts::kSuitHeadings[m], text(minima)}),
                           {first, m, false});
        }
        if (maxima < total) {
            return refused(m == kPointsMeasure
                               ? fill(texts::kPointMaxima, {text(maxima)})
                               : fill(texts::kSuitMaxima, {texts::kSuitHeadings[m], text(maxima)}),
                           {0, m, true});
        }
    }
    return {bounds, {}, {}};
}

std::string shapeBoxName(Seat seat) { return std::string(nameOf(seat)) + " " + texts::kShapeBox; }

std::string cardsBoxName(Seat seat) { return std::string(nameOf(seat)) + " " + texts::kCardsBox; }

AlternativeTexts textsOf(const Alternative& alternative) {
    AlternativeTexts out;
    out.ranges = textsOf(alternative.bounds);
    for (const Seat seat : kSeats) {
        out.shapes[index(seat)] = shapesText(alternative.shapes[index(seat)]);
        out.cards[index(seat)] = cardsText(alternative.cards[index(seat)]);
    }
    return out;
}

namespace {

using Part = FormBox::Part;
using Kind = FormBox::Kind;

PerSuit<unsigned> suitCounts(CardSet cards) {
    PerSuit<unsigned> counts{};
    for (const Suit suit : kSuits) {
        counts[index(suit)] = static_cast<unsigned>(std::popcount(cards & suitCards(suit)));
    }
    return counts;
}

unsigned pointsOf(CardSet cards) {
    unsigned points = 0;
    for (const Suit suit : kSuits) {
        for (int rank = kJack; rank <= kAce; ++rank) {
            points += (cards & cardBit(cardOf(suit, rank))) != 0 ? unsigned(rank - 10) : 0U;
        }
    }
    return points;
}

// Whether some hand meets the ranges of its suits, has one of the shapes
// and holds the cards: its lengths at least the cards' in each suit, and
// exactly theirs for a whole hand.
bool handPossible(const HandBounds& bounds, const ShapeSet& shapes, CardSet cards) {
    const PerSuit<unsigned> held = suitCounts(cards);
    const bool whole = std::popcount(cards) == kSuitCards;
    for (unsigned s = 0; s <= kSuitCards; ++s) {
        for (unsigned h = 0; s + h <= kSuitCards; ++h) {
            for (unsigned d = 0; s + h + d <= kSuitCards; ++d) {
                const PerSuit<unsigned> lengths{s, h, d, kSuitCards - s - h - d};
                bool within = true;
                for (std::size_t i = 0; i < lengths.size(); ++i) {
                    within = within && bounds.suits[i].contains(lengths[i]) &&
                             lengths[i] >= held[i] && (!whole || lengths[i] == held[i]);
                }
                if (within &&
                    fits(shapes,
                         {static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(h),
                          static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(lengths[3])})) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The checks of one alternative, whose messages begin with `where`.
class AlternativeCheck {
public:
    AlternativeCheck(Part part, std::size_t alternative, std::string where)
        : part_(part), alternative_(alternative), where_(std::move(where)) {}

    [[nodiscard]] ConditionCheck refused(const std::string& message, Kind kind, Seat seat,
                                         TableBox range = {}) const {
        return {std::nullopt, where_ + message, {part_, alternative_, kind, range, seat}};
    }

    // The alternative, or the check that refuses it.
    [[nodiscard]] std::variant<Alternative, ConditionCheck> read(
        const AlternativeTexts& texts) const {
        Alternative alternative;
        const TableBoundsCheck ranges = checkTableBounds(texts.ranges);
        if (!ranges.bounds) {
            return refused(ranges.message, Kind::Range, Seat::North, ranges.box);
        }
        alternative.bounds = *ranges.bounds;
        for (const Seat seat : kSeats) {
            const ShapesReading shapes = readShapes(texts.shapes[index(seat)]);
            if (!shapes.shapes) {
                return refused(shapeBoxName(seat) + " : " + shapes.message, Kind::Shape, seat);
            }
            alternative.shapes[index(seat)] = *shapes.shapes;
        }
        for (const Seat seat : kSeats) {
            const CardsReading cards = readCards(texts.cards[index(seat)]);
            if (!cards.cards) {
                return refused(cardsBoxName(seat) + " : " + cards.message, Kind::Cards, seat);
            }
            alternative.cards[index(seat)] = *cards.cards;
        }
        if (auto wrong = handsRefused(alternative)) {
            return *wrong;
        }
        if (auto wrong = sidesRefused(alternative)) {
            return *wrong;
        }
        return alternative;
    }

private:
    [[nodiscard]] std::optional<ConditionCheck> handsRefused(const Alternative& alternative) const {
        CardSet given = 0;
        for (const Seat seat : kSeats) {
            const CardSet cards = alternative.cards[index(seat)];
            if (const CardSet twice = cards & given; twice != 0) {
                const auto card = static_cast<Card>(std::countr_zero(twice));
                const auto* const first = std::find_if(kSeats.begin(), kSeats.end(), [&](Seat s) {
                    return (alternative.cards[index(s)] & cardBit(card)) != 0;
                });
                return refused(
                    fill(texts::kCardTwice, {nameOf(*first), nameOf(seat), cardText(card)}),
                    Kind::Cards, seat);
            }
            given |= cards;
        }
        for (const Seat seat : kSeats) {
            if (auto wrong = handRefused(alternative, seat)) {
                return wrong;
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] std::optional<ConditionCheck> handRefused(const Alternative& alternative,
                                                            Seat seat) const {
        const HandBounds& bounds = alternative.bounds.hand(seat);
        const ShapeSet& shapes = alternative.shapes[index(seat)];
        const CardSet cards = alternative.cards[index(seat)];
        const PerSuit<unsigned> held = suitCounts(cards);
        const unsigned points = pointsOf(cards);
        const bool whole = std::popcount(cards) == kSuitCards;
        const std::string box = cardsBoxName(seat);
        for (const Suit suit : kSuits) {
            const Range& range = bounds.suit(suit);
            const unsigned n = held[index(suit)];
            if (n > range.max) {
                return refused(
                    fill(texts::kCardsOverSuit, {box, text(n), signOf(suit).sign, text(range.max)}),
                    Kind::Cards, seat);
            }
            if (whole && n < range.min) {
                return refused(
                    fill(texts::kHandUnderSuit, {box, text(n), signOf(suit).sign, text(range.min)}),
                    Kind::Cards, seat);
            }
        }
        if (points > bounds.points.max) {
            return refused(
                fill(texts::kCardsOverPoints, {box, text(points), text(bounds.points.max)}),
                Kind::Cards, seat);
        }
        if (whole && points < bounds.points.min) {
            return refused(
                fill(texts::kHandUnderPoints, {box, text(points), text(bounds.points.min)}),
                Kind::Cards, seat);
        }
        if (!handPossible(bounds, shapes, 0)) {
            return refused(fill(texts::kShapeAgainstBounds,
                                {shapeBoxName(seat), shapesText(shapes), nameOf(seat)}),
                           Kind::Shape, seat);
        }
        if (!handPossible(bounds, shapes, cards)) {
            return refused(fill(texts::kCardsAgainstHand, {box, nameOf(seat)}), Kind::Cards, seat);
        }
        return std::nullopt;
    }

    [[nodiscard]] std::optional<ConditionCheck> sidesRefused(const Alternative& alternative) const {
        for (const Side side : kSides) {
            const std::size_t row = rowOf(side);
            const auto [a, b] = handsOf(row);
            const CardSet cards = alternative.cards[a] | alternative.cards[b];
            const HandBounds& bounds = alternative.bounds.side(side);
            const PerSuit<unsigned> held = suitCounts(cards);
            for (std::size_t m = 0; m < kMeasures; ++m) {
                const unsigned n = m == kPointsMeasure ? pointsOf(cards) : held[m];
                const unsigned most = m == kPointsMeasure ? bounds.points.max : bounds.suits[m].max;
                if (n > most) {
                    return refused(fill(m == kPointsMeasure ? texts::kSideCardsOverPoints
                                                            : texts::kSideCardsOverSuit,
                                        {rowName(row) + " " + texts::kMeasureNames[m], rowName(a),
                                         rowName(b), text(n), text(most)}),
                                   Kind::Range, Seat::North, {row, m, true});
                }
            }
        }
        return std::nullopt;
    }

    Part part_;
    std::size_t alternative_;
    std::string where_;
};

}  // namespace

std::string formPlaceText(Part part, std::size_t alternative, std::size_t count) {
    const std::string n = text(static_cast<unsigned>(alternative + 1));
    if (part == Part::Known) {
        return count > 1 ? fill(texts::kKnownAlternative, {n}) : texts::kKnownPart;
    }
    return count > 1 ? fill(texts::kAskedAlternative, {n}) : std::string();
}

ConditionCheck checkCondition(const ConditionTexts& texts) {
    Condition condition;
    for (const Part part : {Part::Known, Part::Asked}) {
        const std::vector<AlternativeTexts>& typed =
            part == Part::Known ? texts.known : texts.asked;
        ConditionPart& read = part == Part::Known ? condition.known : condition.asked;
        read.alternatives.clear();
        for (std::size_t a = 0; a < typed.size() && a < kMostAlternatives; ++a) {
            const AlternativeCheck check(part, a, formPlaceText(part, a, typed.size()));
            auto alternative = check.read(typed[a]);
            if (auto* wrong = std::get_if<ConditionCheck>(&alternative)) {
                return std::move(*wrong);
            }
            if (typed.size() > 1 && asksNothing(std::get<Alternative>(alternative))) {
                const std::string n = text(static_cast<unsigned>(a + 1));
                return {std::nullopt,
                        fill(texts::kOpenAlternative,
                             {fill(part == Part::Known ? texts::kTheKnownAlternative
                                                       : texts::kTheAlternative,
                                   {n})}),
                        {part, a, Kind::Range, {}, Seat::North}};
            }
            read.alternatives.push_back(std::get<Alternative>(std::move(alternative)));
        }
        if (read.alternatives.empty()) {
            read.alternatives.emplace_back();
        }
    }
    // A card asked of one hand that the known part gives to another, for
    // certain: no deal could count.
    if (condition.known.alternatives.size() == 1) {
        const Alternative& known = condition.known.alternatives.front();
        for (std::size_t a = 0; a < condition.asked.alternatives.size(); ++a) {
            const Alternative& asked = condition.asked.alternatives[a];
            for (const Seat seat : kSeats) {
                for (const Seat other : kSeats) {
                    const CardSet clash = asked.cards[index(seat)] & known.cards[index(other)];
                    if (other != seat && clash != 0) {
                        const auto card = static_cast<Card>(std::countr_zero(clash));
                        return {std::nullopt,
                                formPlaceText(Part::Asked, a, condition.asked.alternatives.size()) +
                                    fill(texts::kCardKnownElsewhere,
                                         {cardsBoxName(seat), cardText(card), nameOf(other)}),
                                {Part::Asked, a, Kind::Cards, {}, seat}};
                    }
                }
            }
        }
    }
    return {condition, {}, {}};
}

}  // namespace ondiscale
