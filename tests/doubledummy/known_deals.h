#pragma once

// Deals whose double-dummy tables follow from a glance at the cards.

#include "engine/cards.h"
#include "hands.h"

namespace known {

// North-South hold the 26 highest cards, and in every suit one of them is
// as long as either opponent: whoever declares, they draw trumps and take
// all 13 tricks in every strain, East-West none.
inline ondiscale::Deal topCardsNorthSouth() {
    using hands::handOf;
    return {handOf("AKQJT", "AK", "AKQJ", "AK"), handOf("765", "765", "8765", "876"),
            handOf("98", "QJT98", "T9", "QJT9"), handOf("432", "432", "432", "5432")};
}

// North holds the 13 spades; South the lowest hearts, diamonds and clubs;
// East and West the rest, every one a winner outside spades.
inline ondiscale::Deal thirteenSpadesNorth() {
    using hands::handOf;
    return {handOf("AKQJT98765432", "", "", ""), handOf("", "AKQJT", "AKQJ", "AKQJ"),
            handOf("", "5432", "5432", "65432"), handOf("", "9876", "T9876", "T987")};
}

}  // namespace known
