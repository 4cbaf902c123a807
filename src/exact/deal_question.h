#pragma once

#include <array>

#include "condition/condition.h"
#include "exact/shape_vectors.h"

namespace ondiscale {

// One alternative in the form the counter takes: the same ranges, each
// hand's shape as the set of length vectors it allows, and the cards each
// hand holds. Two questions meet in one question (bothOf), so a union of
// alternatives is counted by inclusion and exclusion.
struct DealQuestion {
    TableBounds bounds;
    std::array<LengthVectors, 4> shapes{};  // by index(Seat); every bit set: any shape
    std::array<CardSet, 4> cards{};         // by index(Seat)

    DealQuestion();
    friend bool operator==(const DealQuestion&, const DealQuestion&) = default;
};

DealQuestion questionOf(const Alternative& alternative);
DealQuestion questionOf(const TableBounds& bounds);

// The deals that meet both: ranges narrowed to their common part, shapes
// to the vectors both allow, cards held united.
DealQuestion bothOf(const DealQuestion& a, const DealQuestion& b);

// Whether no deal can meet the question for a reason seen without
// counting: a card given to two hands, more than 13 cards in a hand, a
// range whose minimum is above its maximum, a shape that allows nothing.
bool plainlyEmpty(const DealQuestion& question);

}  // namespace ondiscale
