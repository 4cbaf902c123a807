#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "condition/bounds_check.h"
#include "condition/condition.h"
#include "condition/hand_bounds.h"
#include "engine/table_measures.h"

namespace ondiscale {

// The measures of a row: the four suits, then the points.
inline constexpr std::size_t kMeasures = 5;
inline constexpr std::size_t kPointsMeasure = 4;

// The sixty boxes of the whole table: a minimum and a maximum for each
// measure of each row (the hands North to West, then North-South and
// East-West).
using TableTexts = std::array<std::array<RangeTexts, kMeasures>, kTableRows>;

// One box: its row, its measure, which end.
struct TableBox {
    std::size_t row = 0;
    std::size_t measure = 0;
    bool max = false;
    friend bool operator==(const TableBox&, const TableBox&) = default;
};

// A row's name: "Nord", "Nord-Sud". A box's name, as a screen reader says
// it: "Nord-Sud points minimum".
std::string rowName(std::size_t row);
std::string boxName(const TableBox& box);

// The texts that show the bounds: the defaults are 0 to 13 cards and 0 to
// 37 points for a hand, 0 to 13 cards and 0 to 40 points for a partnership.
TableTexts textsOf(const TableBounds& bounds);

// The verdict on the boxes: the bounds when they can be run; otherwise one
// message, in French, naming the row and the measure at fault, and the box
// that the keyboard should go to. Nothing is reset: what was typed stays.
struct TableBoundsCheck {
    std::optional<TableBounds> bounds;
    std::string message;
    TableBox box;
};

// Refused, in this order: a box that is not a whole number within its
// limits (13 cards, 37 points for a hand, 40 for a partnership); a
// minimum above its maximum; a row whose suit minimums add up to more
// than its cards (13 a hand, 26 a partnership) or whose maximums add up to
// less; a partnership no pair of hands can make, given its two hands'
// bounds, or given the other partnership's, which holds the rest; the
// four hands' minimums of a suit above 13 or their maximums below, and
// likewise their points against the 40 of the deck.
TableBoundsCheck checkTableBounds(const TableTexts& texts);

// The boxes of one alternative: the sixty ranges, and each hand's shape
// and cards held (condition/shapes.h and engine/card_text.h say what they
// read), by index(Seat).
struct AlternativeTexts {
    TableTexts ranges = textsOf(TableBounds{});
    std::array<std::string, 4> shapes;
    std::array<std::string, 4> cards;
};

// The boxes of the whole form: what is known and what is asked, each one
// to kMostAlternatives alternatives.
struct ConditionTexts {
    std::vector<AlternativeTexts> known{AlternativeTexts{}};
    std::vector<AlternativeTexts> asked{AlternativeTexts{}};
};

// One box of the form.
struct FormBox {
    enum class Part : std::uint8_t { Known, Asked };
    enum class Kind : std::uint8_t { Range, Shape, Cards };
    Part part = Part::Asked;
    std::size_t alternative = 0;
    Kind kind = Kind::Range;
    TableBox range;           // for Kind::Range
    Seat seat = Seat::North;  // for a shape or cards
    friend bool operator==(const FormBox&, const FormBox&) = default;
};

// Where a box of the form stands, before its name in messages and for
// screen readers: "" for the asked part's lone alternative, "Cas 2, ",
// "Ce que l'on sait, ", "Ce que l'on sait, cas 2, "; `count` is the
// number of alternatives of that part.
std::string formPlaceText(FormBox::Part part, std::size_t alternative, std::size_t count);

// A hand's shape and cards boxes as a screen reader names them: "Sud
// forme", "Sud cartes".
std::string shapeBoxName(Seat seat);
std::string cardsBoxName(Seat seat);

// The verdict on the form: the question, or one French message and the box
// the keyboard should go to.
struct ConditionCheck {
    std::optional<Condition> condition;
    std::string message;
    FormBox box;
};

// Each alternative checked as checkTableBounds checks its ranges, then its
// shapes and cards as they read; then, in each alternative, a card given
// to two hands, cards a hand cannot hold within its ranges (more of a suit
// or more points than its maximum; a whole hand short of a minimum), a
// shape no hand within the ranges and holding the cards has, a
// partnership's cards past its maximum; a card asked of one hand while the
// single known alternative gives it to another; an alternative that asks
// nothing beside others. The messages name the box as the window's
// accessible names do, after the part and alternative where there is more
// than the one asked: "Ce que l'on sait, Sud forme : …", "Cas 2, Nord
// pique minimum : …".
ConditionCheck checkCondition(const ConditionTexts& texts);

// The texts that show a question.
AlternativeTexts textsOf(const Alternative& alternative);

}  // namespace ondiscale
