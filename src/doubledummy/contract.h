#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "doubledummy/strain.h"
#include "doubledummy/trick_table.h"
#include "engine/cards.h"

namespace ondiscale {

// A contract to look up in trick tables: its level (1..7), its strain and
// who plays it.
struct Contract {
    int level = 1;
    Strain strain = Strain::NoTrump;
    Seat declarer = Seat::South;

    friend bool operator==(const Contract&, const Contract&) = default;
};

// Whether the declarer takes the level plus six tricks.
bool makes(const TrickTable& table, const Contract& contract);

// "3SA Sud", "4♠ Nord".
std::string contractText(const Contract& contract);

struct ParsedContracts {
    std::vector<Contract> contracts;
    std::string error;  // empty when the whole text is read; the contracts are then empty
};

// Contracts typed by the user, separated by commas or semicolons: the level
// 1 to 7, the strain (SA, NT or sans-atout; ♠ ♥ ♦ ♣, P C K T or the suit's
// name), then the declarer (Nord, Est, Sud, Ouest, or N E S O), spaces
// anywhere between, letters in any case: "3SA Sud, 4♠ Nord", "4 P Sud",
// "3sa s". An empty text or an empty piece between separators is no
// contract; a contract given twice is kept once, where it first comes. The
// error names the first faulty piece and what is wrong with it. No-break
// spaces and invisible characters count as typed plainly (plainTyped):
// "3♠️ Nord" with the emoji selector is 3♠ Nord.
ParsedContracts parseContracts(std::string_view typed);

}  // namespace ondiscale
