#pragma once

// Conditions written in a line or two for the tests:
//   question({Alt().points(Seat::South, 15, 17).shape(Seat::South, {regular()})},
//            {Alt().sidePoints(Side::NorthSouth, 25, 40)})

#include <cstdint>
#include <string_view>
#include <vector>

#include "condition/condition.h"
#include "hands.h"

namespace conditions {

using namespace ondiscale;

inline Range range(int lo, int hi) {
    return {static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi)};
}

class Alt {
public:
    Alt& points(Seat seat, int lo, int hi) {
        a_.bounds.hand(seat).points = range(lo, hi);
        return *this;
    }
    Alt& suit(Seat seat, Suit suit, int lo, int hi) {
        a_.bounds.hand(seat).suit(suit) = range(lo, hi);
        return *this;
    }
    Alt& sidePoints(Side side, int lo, int hi) {
        a_.bounds.side(side).points = range(lo, hi);
        return *this;
    }
    Alt& sideSuit(Side side, Suit suit, int lo, int hi) {
        a_.bounds.side(side).suit(suit) = range(lo, hi);
        return *this;
    }
    Alt& shape(Seat seat, std::vector<ShapeTerm> terms) {
        a_.shapes[index(seat)].terms = std::move(terms);
        return *this;
    }
    // Cards as a PBN hand, "AK52.Q7.KJ84.A63"; a suit may be empty.
    Alt& cards(Seat seat, std::string_view pbn) {
        std::size_t suit = 0;
        for (const char letter : pbn) {
            if (letter == '.') {
                ++suit;
            } else {
                a_.cards[index(seat)] |= cardBit(cardOf(kSuits[suit], hands::rankOfLetter(letter)));
            }
        }
        return *this;
    }
    operator Alternative() const { return a_; }  // NOLINT(google-explicit-constructor)

private:
    Alternative a_;
};

inline ShapeTerm shapeClass(ShapeClass c) { return {ShapeTerm::Kind::Class, c, {}}; }
inline ShapeTerm anyOrder(int a, int b, int c, int d) {
    return {ShapeTerm::Kind::AnyOrder,
            ShapeClass::Regular,
            {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
             static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d)}};
}
inline ShapeTerm suitOrder(int s, int h, int d, int c) {
    ShapeTerm t = anyOrder(s, h, d, c);
    t.kind = ShapeTerm::Kind::SuitOrder;
    return t;
}

inline Condition question(std::vector<Alternative> known, std::vector<Alternative> asked) {
    Condition c;
    if (!known.empty()) {
        c.known.alternatives = std::move(known);
    }
    if (!asked.empty()) {
        c.asked.alternatives = std::move(asked);
    }
    return c;
}

}  // namespace conditions
