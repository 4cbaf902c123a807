#include "condition/table_bounds_check.h"

#include <algorithm>

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
            const unsigned low = rangeOf(bounds, a, m).min + rangeOf(bounds, b, m).min;
            const unsigned high = rangeOf(bounds, a, m).max + rangeOf(bounds, b, m).max;
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
            const unsigned total = m == kPointsMeasure ? kDeckPoints : kSuitCards;
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
    // Each suit, and the points, across the four hands.
    for (std::size_t m = 0; m < kMeasures; ++m) {
        unsigned minima = 0;
        unsigned maxima = 0;
        std::size_t first = 0;
        for (std::size_t row = 4; row-- > 0;) {
            const Range& r = rangeOf(bounds, row, m);
            minima += r.min;
            maxima += r.max;
            first = r.min > 0 ? row : first;
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

}  // namespace ondiscale
