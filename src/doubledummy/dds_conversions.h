#pragma once

// Between the program's deals and tables and libdds's structures. Only the
// solver's sources and the double-dummy benchmark, which times libdds
// called directly beside the solver, include this header: the rest of the
// program never sees libdds.

#include <dds/dll.h>

#include <string>

#include "doubledummy/trick_table.h"
#include "engine/cards.h"

namespace ondiscale::dds {

// libdds numbers seats as the program does (North 0, East 1, South 2,
// West 3) and suits too (spades 0 to clubs 3), a holding being the bits
// 1 << rank, rank 2..14. Its strains put no trump last (4), ours first.
constexpr int strainIndex(Strain strain) {
    return strain == Strain::NoTrump ? 4 : static_cast<int>(index(strain)) - 1;
}

// The deal as libdds's holdings. The cards must be valid (2..53).
ddTableDeal tableDeal(const Deal& deal);

// libdds's results as a trick table, and back.
TrickTable trickTable(const ddTableResults& results);
ddTableResults tableResults(const TrickTable& table);

// A libdds error as the program reports it: "Le solveur double mort a
// échoué : <what> (code -N)."
std::string errorText(int code);

}  // namespace ondiscale::dds
