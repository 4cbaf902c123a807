#pragma once

#include <string>

#include "doubledummy/par.h"
#include "doubledummy/trick_table.h"

namespace ondiscale {

// A solved deal as PBN 2.1 writes it, lines ending "\n", to be appended to
// the game's tags.

// The OptimumResultTable section: its tag, then one line a declarer and
// strain, North, East, South, West each in NT, S, H, D, C, the strain and
// the tricks right-aligned on two characters as the tag's column formats
// (\2R) ask:
//   [OptimumResultTable "Declarer;Denomination\2R;Result\2R"]
//   N NT  9
//   N  S 10
//   ...
std::string optimumResultTableText(const TrickTable& table);

// The par as the OptimumScore and ParContract tags, North-South's score:
//   [OptimumScore "NS 420"]
//   [ParContract "NS 4S"]
// A deal passed out scores "NS 0" with an empty ParContract.
std::string parTagsText(const ParResult& par);

}  // namespace ondiscale
