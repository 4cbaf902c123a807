#include "exact/table_probability.h"

#include <vector>

#include "exact/binomials.h"
#include "exact/exact_hands.h"
#include "exact/partnership_hands.h"
#include "exact/suit_length_deals.h"
#include "exact/table_conditions.h"
#include "exact/two_hand_deals.h"

namespace ondiscale {
namespace {

Seat partnerOf(Seat seat) { return kSeats[(index(seat) + 2) % kSeats.size()]; }

std::vector<Seat> seatsWhere(const TableConditions& conditions,
                             bool (TableConditions::*free)(Seat) const) {
    std::vector<Seat> seats;
    for (const Seat seat : kSeats) {
        if (!(conditions.*free)(seat)) {
            seats.push_back(seat);
        }
    }
    return seats;
}

// Points bounded for two hands: counted when the other two ask nothing,
// and, for opponents, when the partnerships ask nothing either.
std::optional<WideCount> twoHands(const TableConditions& conditions, Seat first, Seat second) {
    const bool partners = sideOf(first) == sideOf(second);
    if (!partners && !conditions.sideFree()) {
        return std::nullopt;
    }
    for (const Seat seat : kSeats) {
        if (seat != first && seat != second && !conditions.handFree(seat)) {
            return std::nullopt;
        }
    }
    return dealsByTwoHands(conditions.hand(first), conditions.hand(second),
                           partners ? conditions.side(sideOf(first)) : anySide());
}

}  // namespace

std::optional<WideCount> exactDeals(const TableBounds& bounds) {
    const std::optional<TableConditions> found = tableConditions(bounds);
    if (!found) {
        return 0;
    }
    const TableConditions& conditions = *found;
    const std::vector<Seat> asking = seatsWhere(conditions, &TableConditions::handFree);
    const std::vector<Seat> pointed = seatsWhere(conditions, &TableConditions::pointsFree);

    if (asking.empty() && conditions.sideFree()) {
        return kAllDeals;
    }
    if (asking.size() == 1 && conditions.sideFree()) {
        const WideCount hands = exactHands(conditions.hand(asking.front()));
        return checkedMul<WideCount>(checkedMul<WideCount>(hands, kPartnerHandCount),
                                     kLastTwoHandsCount);
    }
    if (asking.empty()) {
        const WideCount sides = exactPartnershipHands(conditions.side(Side::NorthSouth));
        return checkedMul<WideCount>(checkedMul<WideCount>(sides, kLastTwoHandsCount),
                                     kLastTwoHandsCount);
    }
    if (pointed.empty()) {
        PointGroup group;
        if (!conditions.sidePointsFree()) {
            group.seats[index(Seat::North)] = true;
            group.seats[index(Seat::South)] = true;
            group.points = conditions.side(Side::NorthSouth).points;
        }
        return dealsBySuitLengths(conditions, group);
    }
    if (pointed.size() == 1 && conditions.sidePointsFree()) {
        PointGroup group;
        group.seats[index(pointed.front())] = true;
        group.points = conditions.hand(pointed.front()).points;
        return dealsBySuitLengths(conditions, group);
    }
    if (pointed.size() == 1) {
        return twoHands(conditions, pointed.front(), partnerOf(pointed.front()));
    }
    if (pointed.size() == 2) {
        return twoHands(conditions, pointed[0], pointed[1]);
    }
    return std::nullopt;
}

std::optional<double> exactProbability(const TableBounds& bounds) {
    const std::optional<WideCount> deals = exactDeals(bounds);
    if (!deals) {
        return std::nullopt;
    }
    return shareOf(*deals, kAllDeals);
}

}  // namespace ondiscale
