#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "exact/checked_count.h"
#include "exact/deal_question.h"

namespace ondiscale {

// A question made ready for counting (planOf). Only what it reads is
// kept: the cards left to deal (known cards are in their hands already),
// and the hands as units. A hand that reads nothing is pooled with the
// others that read nothing ("the rest"), partners asked only through
// their partnership are one unit of 26 cards less their known cards, and a
// hand whose 13 cards are all known reads nothing more (what it asks is
// checked once, what its partnership asks falls on its partner). Lengths
// and points below are of the cards left to deal.

struct Span {
    int lo = 0;
    int hi = 0;
    [[nodiscard]] bool holds(int value) const { return lo <= value && value <= hi; }
};

inline constexpr int kMostUnits = 4;
inline constexpr int kMostDims = 3;

struct CountUnit {
    std::uint8_t seats = 0;  // bit index(Seat) for each hand of the unit
    int cards = 0;           // cards it is still dealt
    PerSuit<Span> suits{};   // its length of each suit
    bool shaped = false;     // its lengths together are one of `shapes`
    std::vector<LengthVector> shapes;
    int dim = -1;               // the point dimension following its points, if any
    bool readsLengths = false;  // some suit's length matters (a range, a shape, its partnership's)
};

// The points of the dimensions in `dims` (a bit each) add up to a value
// within `points`.
struct PointRule {
    std::uint8_t dims = 0;
    Span points;
};

struct CountPlan {
    enum class Outcome : std::uint8_t { Count, Empty };
    Outcome outcome = Outcome::Count;

    std::vector<CountUnit> units;
    // The last unit's cards are what the others leave, so they are not
    // followed (never for a unit with a shape).
    bool lastImplied = false;
    // Two units whose lengths together are bounded in each suit.
    int pairFirst = -1;
    int pairSecond = -1;
    PerSuit<Span> pairSuits{};

    int dims = 0;  // point dimensions, at most three: the last unit's follow from the total
    std::vector<PointRule> rules;
    int freePoints = 0;  // the points of the cards left to deal

    PerSuit<std::vector<int>> honours{};  // the points of each honour left to deal
    PerSuit<int> spots{};                 // the cards below the jack left to deal
    PerSuit<bool> read{};                 // whether some unit's length in the suit matters
    WideCount splits = 1;                 // ways to share a pooled unit's cards among its hands
};

CountPlan planOf(const DealQuestion& question);

}  // namespace ondiscale
