#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "condition/hand_bounds.h"
#include "engine/cards.h"

namespace ondiscale {

// A question about a deal, as one value: what we know and what we ask.
// Every run, the exact counter, the journal and the files take this value;
// a new kind of clause goes here, beside the others, and each of them
// (matcher, text, exact count, file, script) learns it or refuses it.

// The classes of shape a French teacher names:
// - régulière: 4333, 4432, 5332;
// - semi-régulière: 5422, 6322;
// - unicolore: a suit of 6 cards or more and no other of 4 or more;
// - bicolore: a suit of 5 or more and a second of 4 or more, the other
//   two of 3 at most;
// - tricolore: 4441, 5440;
// - sans singleton ni chicane: 2 cards at least in every suit.
// Classes may overlap (6322 is semi-régulière and unicolore).
enum class ShapeClass : std::uint8_t {
    Regular,
    SemiRegular,
    OneSuited,
    TwoSuited,
    ThreeSuited,
    NoShortSuit,
};

// One piece of a shape clause.
struct ShapeTerm {
    enum class Kind : std::uint8_t {
        Class,      // a named class
        AnyOrder,   // "4432": these lengths in any suits, written longest first
        SuitOrder,  // "5=4=2=2": spades, hearts, diamonds, clubs in that order
    };
    Kind kind = Kind::Class;
    ShapeClass shapeClass = ShapeClass::Regular;  // for Kind::Class
    PerSuit<std::uint8_t> lengths{};              // for the patterns; they add up to 13
    friend bool operator==(const ShapeTerm&, const ShapeTerm&) = default;
};

// A hand's shape: any of its terms. No term: any shape.
struct ShapeSet {
    std::vector<ShapeTerm> terms;
    [[nodiscard]] bool any() const { return terms.empty(); }
    friend bool operator==(const ShapeSet&, const ShapeSet&) = default;
};

// One alternative: a range of each suit's length and of the points for
// each hand and each partnership, a shape and the cards held for each
// hand. The default asks nothing.
struct Alternative {
    TableBounds bounds;
    std::array<ShapeSet, 4> shapes{};  // by index(Seat)
    std::array<CardSet, 4> cards{};    // by index(Seat): cards the hand holds
    friend bool operator==(const Alternative&, const Alternative&) = default;
};

// One part of a question: a deal meets it when it meets any of its
// alternatives (at most kMostAlternatives). One open alternative asks
// nothing.
inline constexpr std::size_t kMostAlternatives = 4;
struct ConditionPart {
    std::vector<Alternative> alternatives{Alternative{}};
    friend bool operator==(const ConditionPart&, const ConditionPart&) = default;
};

// What we know (deals that miss it are not counted at all) and what we ask
// among the deals that meet it. With nothing known, the share asked is the
// share of all deals.
struct Condition {
    ConditionPart known;
    ConditionPart asked;
    friend bool operator==(const Condition&, const Condition&) = default;
};

// Whether an alternative asks nothing, and whether a part does: any of
// its alternatives open, or none at all (a part written without one, as
// a file may, is read as asking nothing).
inline bool asksNothing(const Alternative& alternative) { return alternative == Alternative{}; }
inline bool asksNothing(const ConditionPart& part) {
    return part.alternatives.empty() ||
           std::any_of(part.alternatives.begin(), part.alternatives.end(),
                       [](const Alternative& a) { return asksNothing(a); });
}

// Whether a part is ranges alone: one alternative, no shape, no card.
inline bool rangesOnly(const ConditionPart& part) {
    if (part.alternatives.size() != 1) {
        return false;
    }
    const Alternative& a = part.alternatives.front();
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (!a.shapes[seat].any() || a.cards[seat] != 0) {
            return false;
        }
    }
    return true;
}

// A question that asks these ranges of all deals.
inline Condition askedOnly(const TableBounds& bounds) {
    Condition condition;
    condition.asked.alternatives.front().bounds = bounds;
    return condition;
}

}  // namespace ondiscale
