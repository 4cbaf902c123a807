#include "formats/clause_alternatives.h"

#include <algorithm>
#include <bit>

namespace ondiscale {
namespace {

Range& rangeOf(TableBounds& bounds, const Clause& atom) {
    HandBounds& hand =
        atom.kind == Clause::Kind::SideRange ? bounds.sides[atom.who] : bounds.hands[atom.who];
    return atom.quantity == kPointsQuantity ? hand.points : hand.suits[atom.quantity];
}

bool within(Range inner, Range outer) { return outer.min <= inner.min && inner.max <= outer.max; }

bool boundsWithin(const HandBounds& inner, const HandBounds& outer) {
    for (std::size_t s = 0; s < 4; ++s) {
        if (!within(inner.suits[s], outer.suits[s])) {
            return false;
        }
    }
    return within(inner.points, outer.points);
}

// Whether every deal meeting `a` meets `b`, clause by clause.
bool implies(const Conjunction& a, const Conjunction& b) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (!boundsWithin(a.bounds.hands[i], b.bounds.hands[i]) ||
            (b.cards[i] & ~a.cards[i]) != 0) {
            return false;
        }
        if (b.shapes[i] && (!a.shapes[i] || (*a.shapes[i] & ~*b.shapes[i]).any())) {
            return false;
        }
    }
    return boundsWithin(a.bounds.sides[0], b.bounds.sides[0]) &&
           boundsWithin(a.bounds.sides[1], b.bounds.sides[1]);
}

}  // namespace

std::optional<Conjunction> meet(const Conjunction& a, const Conjunction& b) {
    Conjunction out = a;
    const auto meetBounds = [](HandBounds& into, const HandBounds& other) {
        for (std::size_t s = 0; s < 4; ++s) {
            into.suits[s].min = std::max(into.suits[s].min, other.suits[s].min);
            into.suits[s].max = std::min(into.suits[s].max, other.suits[s].max);
            if (into.suits[s].min > into.suits[s].max) {
                return false;
            }
        }
        into.points.min = std::max(into.points.min, other.points.min);
        into.points.max = std::min(into.points.max, other.points.max);
        return into.points.min <= into.points.max;
    };
    CardSet all = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!meetBounds(out.bounds.hands[i], b.bounds.hands[i])) {
            return std::nullopt;
        }
        if (b.shapes[i]) {
            if (out.shapes[i]) {
                auto both = std::make_shared<LengthSet>(*out.shapes[i] & *b.shapes[i]);
                if (both->none()) {
                    return std::nullopt;
                }
                out.shapes[i] = std::move(both);
            } else {
                out.shapes[i] = b.shapes[i];
            }
        }
        out.cards[i] |= b.cards[i];
        if ((all & out.cards[i]) != 0 || std::popcount(out.cards[i]) > kSuitCards) {
            return std::nullopt;
        }
        all |= out.cards[i];
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (!meetBounds(out.bounds.sides[i], b.bounds.sides[i])) {
            return std::nullopt;
        }
    }
    return out;
}

void prune(std::vector<Conjunction>& conjunctions) {
    std::vector<Conjunction> kept;
    for (std::size_t i = 0; i < conjunctions.size(); ++i) {
        bool redundant = false;
        for (std::size_t j = 0; j < conjunctions.size() && !redundant; ++j) {
            // Of two equal conjunctions the first stays.
            redundant = j != i && implies(conjunctions[i], conjunctions[j]) &&
                        (j < i || !implies(conjunctions[j], conjunctions[i]));
        }
        if (!redundant) {
            kept.push_back(conjunctions[i]);
        }
    }
    conjunctions = std::move(kept);
}

namespace {

// The conjunctions a clause, or its negation, allows.
std::vector<Conjunction> clauseConjunctions(const Clause& atom, bool negated) {
    std::vector<Conjunction> out;
    switch (atom.kind) {
        case Clause::Kind::HandRange:
        case Clause::Kind::SideRange: {
            std::vector<Range> ranges{atom.range};
            if (negated) {
                ranges.clear();
                if (atom.range.min > 0) {
                    ranges.push_back({0, static_cast<std::uint8_t>(atom.range.min - 1)});
                }
                const std::uint8_t top = topOf(atom.kind, atom.quantity);
                if (atom.range.max < top) {
                    ranges.push_back({static_cast<std::uint8_t>(atom.range.max + 1), top});
                }
            }
            for (const Range r : ranges) {
                Conjunction p;
                rangeOf(p.bounds, atom) = r;
                out.push_back(p);
            }
            break;
        }
        case Clause::Kind::Shape: {
            const LengthSet set = negated ? everyShape() & ~*atom.shapes : *atom.shapes;
            if (set.any()) {
                Conjunction p;
                if (set != everyShape()) {
                    p.shapes[atom.who] = std::make_shared<LengthSet>(set);
                }
                out.push_back(p);
            }
            break;
        }
        case Clause::Kind::Card:
            // The card is in some hand: not in this one, in one of the others.
            for (std::size_t seat = 0; seat < 4; ++seat) {
                if ((seat == atom.who) != negated) {
                    Conjunction p;
                    p.cards[seat] = cardBit(atom.card);
                    out.push_back(p);
                }
            }
            break;
    }
    return out;
}

constexpr std::size_t kMostConjunctions = 64;

}  // namespace

std::vector<Conjunction> alternativesOf(const Formula& f, bool negated) {
    std::vector<Conjunction> out;
    switch (f.op) {
        case Formula::Op::True:
        case Formula::Op::False:
            if ((f.op == Formula::Op::True) != negated) {
                out.emplace_back();
            }
            return out;
        case Formula::Op::Clause:
            return clauseConjunctions(f.clause, negated);
        case Formula::Op::Not:
            return alternativesOf(f.children.front(), !negated);
        case Formula::Op::And:
        case Formula::Op::Or:
            break;
    }
    if ((f.op == Formula::Op::Or) != negated) {
        for (const Formula& child : f.children) {
            for (Conjunction& p : alternativesOf(child, negated)) {
                out.push_back(std::move(p));
            }
        }
    } else {
        out.emplace_back();
        for (const Formula& child : f.children) {
            const std::vector<Conjunction> next = alternativesOf(child, negated);
            std::vector<Conjunction> product;
            for (const Conjunction& a : out) {
                for (const Conjunction& b : next) {
                    if (auto both = meet(a, b)) {
                        product.push_back(std::move(*both));
                    }
                }
                if (product.size() > kMostConjunctions * kMostConjunctions) {
                    throw TooManyAlternatives{};
                }
            }
            out = std::move(product);
            prune(out);
        }
    }
    prune(out);
    if (out.size() > kMostConjunctions) {
        throw TooManyAlternatives{};
    }
    return out;
}

Alternative alternativeOf(const Conjunction& p) {
    Alternative out;
    out.bounds = p.bounds;
    out.cards = p.cards;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (p.shapes[seat]) {
            out.shapes[seat] = shapeSetOf(*p.shapes[seat]);
        }
    }
    return out;
}

}  // namespace ondiscale
