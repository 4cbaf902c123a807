#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "doubledummy/trick_table.h"
#include "engine/board.h"
#include "engine/cards.h"

namespace ondiscale {

// The par of a deal: the score both sides reach when each bids as far as
// pays, every card seen.
struct ParResult {
    int northSouthScore = 0;  // +420, -620; 0 when passed out
    // The par contracts as the solver writes them, for a PBN ParContract
    // tag: "NS 4S", "EW 2Nx-1 EW 3Dx-1"; "" when passed out.
    std::string contracts;
    friend bool operator==(const ParResult&, const ParResult&) = default;
};

// Par contracts as the solver writes them ("NS 4S", "EW 2Nx-1 EW 3Dx-1")
// in words: "4♠ par Nord ou Sud", "2SA contré par Est ou Ouest, 1 de chute
// ou 3♦ contré par Est ou Ouest, 1 de chute"; "passe générale" for none.
// A text it cannot read is left as written.
std::string parContractsText(std::string_view contracts);

// The par of a solved deal with that dealer and vulnerability; nothing
// solved again. Nothing when the table holds a count outside 0..13 (the
// solver would not survive it) or the solver refuses the table.
std::optional<ParResult> parOf(const TrickTable& table, Seat dealer, Vulnerability vulnerability);

}  // namespace ondiscale
