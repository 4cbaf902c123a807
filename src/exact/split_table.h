#pragma once

#include <cstdint>
#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

// The places each opponent has left for the cards nobody has seen yet:
// 13 less the cards he is known to hold outside the suit. By the law of
// vacant places, every unseen card is as likely to lie in any one of
// these places as in any other, so a card lies with West or East in
// proportion to their places. 13 each, nothing known, is the a priori
// case. Equal places keep each split's two ways equally likely, but with
// fewer than 13 each the even splits grow likelier (one place each: two
// missing cards split 1-1 for certain), so only 13 and 13 give the a
// priori table. Places beyond 13 count as 13.
struct VacantPlaces {
    std::uint8_t west = 13;
    std::uint8_t east = 13;

    // From the cards each opponent is known to hold outside the suit.
    static constexpr VacantPlaces afterKnownCards(std::uint8_t westKnown, std::uint8_t eastKnown) {
        const auto left = [](std::uint8_t known) {
            return static_cast<std::uint8_t>(known < 13 ? 13 - known : 0);
        };
        return {left(westKnown), left(eastKnown)};
    }
    friend constexpr bool operator==(const VacantPlaces&, const VacantPlaces&) = default;
};

// West holding `west` of the missing cards and East the other `east`.
struct SplitWay {
    int west = 0;
    int east = 0;
    Count layouts = 0;             // which of the missing cards West holds: C(missing, west)
    Count holdingsPerLayout = 0;   // West's holdings of the unseen cards with one given layout
    double probability = 0;        // of this way, all its layouts together
    double layoutProbability = 0;  // of one particular layout
};

// One split as teachers print it: "4-1" is one opponent with 4 of the
// missing cards and the other with 1, either way round.
struct SplitRow {
    int missing = 0;
    int longer = 0;
    int shorter = 0;
    Count layouts = 0;       // both ways together
    Count holdings = 0;      // both ways together, out of SplitTable::holdings
    double probability = 0;  // both ways together
    SplitWay westLonger;     // West holding `longer`
    SplitWay eastLonger;     // East holding `longer`; an even split has one way, in both fields

    [[nodiscard]] bool even() const { return longer == shorter; }
};

// How the opponents' missing cards of a suit split, for 1 to 13 missing
// cards (as many as their places can hold), each number's rows from the
// most even split down. West's holding of the unseen cards is one of
// `holdings` = C(west + east, west) equally likely ones; every count is
// out of it, and each missing number's counts add up to it.
struct SplitTable {
    VacantPlaces places;
    Count holdings = 0;
    std::vector<SplitRow> rows;

    [[nodiscard]] bool aPriori() const { return places == VacantPlaces{}; }
};

SplitTable splitTable(VacantPlaces places = {});

}  // namespace ondiscale
