#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "condition/condition.h"
#include "formats/dealer_words.h"
#include "formats/shape_sets.h"

namespace ondiscale {

// A clause of a condition read from elsewhere (a script): a range of one
// measure of a hand or a partnership, a set of shapes of a hand, a card a
// hand holds.
struct Clause {
    enum class Kind : std::uint8_t { HandRange, SideRange, Shape, Card };
    Kind kind = Kind::HandRange;
    std::size_t who = 0;  // index(Seat), or index(Side) for a side's range
    std::size_t quantity = 0;
    Range range;
    std::shared_ptr<const LengthSet> shapes;
    Card card = 0;
};

// Clauses joined by "and", "or" and "not".
struct Formula {
    enum class Op : std::uint8_t { Clause, And, Or, Not, True, False };
    Op op = Op::True;
    Clause clause;  // for Op::Clause
    std::vector<Formula> children;
};

inline Formula truth(bool value) {
    return {value ? Formula::Op::True : Formula::Op::False, {}, {}};
}
inline Formula clauseFormula(Clause clause) { return {Formula::Op::Clause, std::move(clause), {}}; }

// The largest value of a measure: 13 cards, 37 points for a hand, 40 for a partnership.
inline std::uint8_t topOf(Clause::Kind kind, std::size_t quantity) {
    if (quantity != kPointsQuantity) {
        return kSuitCards;
    }
    return kind == Clause::Kind::SideRange ? kSidePoints : kHandPoints;
}

// What a condition can hold of a formula's conjunctions: one alternative.
struct Conjunction {
    TableBounds bounds;
    std::array<std::shared_ptr<const LengthSet>, 4> shapes{};  // none: any shape
    std::array<CardSet, 4> cards{};
};

// Both conjunctions at once; nothing when no deal can meet them.
std::optional<Conjunction> meet(const Conjunction& a, const Conjunction& b);

// Leaves out every conjunction that another one already lets through.
void prune(std::vector<Conjunction>& conjunctions);

// Thrown when a formula spreads into too many conjunctions to be worth
// pursuing, however many of them later prove redundant.
struct TooManyAlternatives {};

// The formula, or its negation, as conjunctions of clauses, any of which
// it takes (disjunctive normal form): negations pushed down to the
// clauses, "and" spread over "or", conjunctions no deal meets and those
// within another left out.
std::vector<Conjunction> alternativesOf(const Formula& f, bool negated = false);

// The alternative a conjunction is, its shapes written the plain way.
Alternative alternativeOf(const Conjunction& p);

}  // namespace ondiscale
