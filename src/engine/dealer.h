#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "hasard.h"

namespace ondiscale {

// South's hand: positions 1 to 13 hold the cards in the order dealt;
// position 0 is never used. Card number = 13 x suit + rank, suits
// 0 clubs, 1 diamonds, 2 hearts, 3 spades, ranks 2 to 14 (14 the ace).
using MainSud = std::array<std::uint8_t, 14>;

// The dealer's state, owned by the main window.
class Dealer {
public:
    // Deals 13 distinct cards into positions 1 to 13 of the hand.
    void TirageS(MainSud& hand);

    // The random source, created by the first deal and kept afterwards.
    [[nodiscard]] const std::optional<hasard>& alea() const { return Alea; }

private:
    std::optional<hasard> Alea;
};

}  // namespace ondiscale
