#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "condition/condition.h"
#include "condition/hand_bounds.h"
#include "engine/hand_measures.h"
#include "engine/table_measures.h"

namespace ondiscale {

// Whether a hand of these lengths and points meets every range of the
// bounds, all ends included. Branch-free: the ranges are tested on random
// hands, where a branch would be mispredicted.
inline bool meets(const HandBounds& bounds, const SuitLengths& lengths, std::uint8_t points) {
    const auto within = [](const Range& r, unsigned v) {
        return static_cast<unsigned>(r.min <= v) & static_cast<unsigned>(v <= r.max);
    };
    return (within(bounds.suits[0], lengths[0]) & within(bounds.suits[1], lengths[1]) &
            within(bounds.suits[2], lengths[2]) & within(bounds.suits[3], lengths[3]) &
            within(bounds.points, points)) != 0U;
}

// Table bounds made ready to test deals quickly: only the rows that narrow
// something are tested, each with one subtraction per end on all its
// measures at once, and no branch on the outcome of any.
class TableCheck {
public:
    explicit TableCheck(const TableBounds& bounds = {});

    [[nodiscard]] bool meets(const TableMeasures& measures) const {
        // A byte v lies in min..max when v + 128 - min and max + 128 - v
        // both keep their high bit; no byte borrows from its neighbour, as
        // every measure and bound is below 128.
        std::uint64_t kept = kHigh;
        for (std::size_t i = 0; i < count_; ++i) {
            const Packed& p = packed_[i];
            const std::uint64_t v = measures.rows[p.row];
            kept &= ((v | kHigh) - p.min) & ((p.max | kHigh) - v);
        }
        return kept == kHigh;
    }

private:
    static constexpr std::uint64_t kHigh = 0x8080808080ULL;  // bytes 0 to 4
    struct Packed {
        std::size_t row = 0;
        std::uint64_t min = 0;
        std::uint64_t max = 0;
    };
    std::array<Packed, kTableRows> packed_{};
    std::size_t count_ = 0;
};

// The cards a known part places for certain: those of its one alternative,
// which a run deals where they belong; none when it has several.
std::array<CardSet, 4> placedCards(const ConditionPart& known);

// One part of a question made ready to test deals: any of its
// alternatives, each its ranges (as TableCheck), each hand's shape through
// a table on its lengths and its cards through a mask, all alternatives
// tested at once as the bits of one word, with no branch on any outcome.
// Cards in `placed` are known to be where they are and are not tested.
class PartMatcher {
public:
    explicit PartMatcher(const ConditionPart& part, const std::array<CardSet, 4>& placed = {});

    [[nodiscard]] unsigned meets(const Deal& deal, const TableMeasures& measures) const {
        unsigned met = 0;
        for (std::size_t a = 0; a < ranges_.size(); ++a) {
            met |= static_cast<unsigned>(ranges_[a].meets(measures)) << a;
        }
        for (const ShapeTable& table : shapes_) {
            met &= table.bits[shapeIndex(measures.rows[table.row])];
        }
        for (const CardNeeds& needs : cards_) {
            CardSet held = 0;
            for (const Card card : deal[needs.seat]) {
                held |= cardBit(card & 63U);
            }
            for (std::size_t a = 0; a < ranges_.size(); ++a) {
                met &= ~(static_cast<unsigned>((needs.cards[a] & ~held) != 0) << a);
            }
        }
        return met != 0 ? 1U : 0U;
    }

private:
    // A hand's spades, hearts and diamonds, four bits each, from its row of
    // measures; its clubs follow from them.
    static std::size_t shapeIndex(std::uint64_t row) {
        return static_cast<std::size_t>((row & 0xFU) | ((row >> 4) & 0xF0U) |
                                        ((row >> 8) & 0xF00U));
    }
    struct ShapeTable {
        std::size_t row = 0;
        std::array<std::uint8_t, 4096> bits{};  // bit a: alternative a allows these lengths
    };
    struct CardNeeds {
        std::size_t seat = 0;
        std::array<CardSet, kMostAlternatives> cards{};  // by alternative
    };
    std::vector<TableCheck> ranges_;  // one an alternative
    std::vector<ShapeTable> shapes_;  // the hands with a shape in some alternative
    std::vector<CardNeeds> cards_;    // the hands with cards to test in some alternative
};

// What a deal is to a question: whether it meets the known part, and
// whether it meets both parts.
struct Outcome {
    unsigned known = 0;
    unsigned hit = 0;
};

// A question made ready to test deals. The known part's cards in `placed`
// (placedCards of it, where the run deals them where they belong; none
// where it deals every card at random) are not tested.
class QuestionMatcher {
public:
    QuestionMatcher(const Condition& condition, const std::array<CardSet, 4>& placed);

    [[nodiscard]] Outcome test(const Deal& deal) const {
        const TableMeasures measures = measureTable(deal);
        const unsigned known = known_.meets(deal, measures);
        return {known, known & asked_.meets(deal, measures)};
    }

private:
    PartMatcher known_;
    PartMatcher asked_;
};

}  // namespace ondiscale
