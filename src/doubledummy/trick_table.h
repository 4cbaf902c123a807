#pragma once

#include <array>
#include <cstdint>

#include "doubledummy/strain.h"
#include "engine/cards.h"

namespace ondiscale {

// The tricks each seat takes as declarer in each strain, every card seen
// and every card played at its best: 0 to 13.
struct TrickTable {
    std::array<std::array<std::uint8_t, 4>, 5> tricks{};  // [index(strain)][index(declarer)]

    [[nodiscard]] int of(Strain strain, Seat declarer) const {
        return tricks[index(strain)][index(declarer)];
    }

    friend bool operator==(const TrickTable&, const TrickTable&) = default;
};

}  // namespace ondiscale
