#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "doubledummy/par.h"
#include "doubledummy/trick_table.h"
#include "engine/cards.h"

namespace ondiscale {

// One game of a PBN file: a deal, or South's hand alone.
struct PbnGame {
    Deal deal{};
    bool wholeDeal = true;             // false: only South's hand is known
    std::optional<TrickTable> tricks;  // at double dummy, where the deal was analysed
    std::optional<ParResult> par;      // where it is known
};

// Games as a PBN 2.1 file for other bridge programs: every game the
// mandatory tags in their order, "" for those that do not apply, the
// boards numbered from 1 with the dealer and vulnerability of the usual
// 16-board rotation, the deal from North clockwise with the suits from
// spades to clubs, a hand not known written "-"; an empty line between
// games. An analysed deal adds its tricks at double dummy (the
// OptimumResultTable) and its par contract (ParContract). `event` and `date` ("2026.12.08") go in
// every game.
std::string pbnText(const std::vector<PbnGame>& games, std::string_view event,
                    std::string_view date);

// The value of a Deal tag: "N:", then the hands from North clockwise, a
// hand not known written "-"; South's alone unless `wholeDeal`.
std::string pbnDealText(const Deal& deal, bool wholeDeal);

// The value of a Deal tag, "N:AKQ2.J4.T98.7653 - …", read back: the hands
// it gives, each in the order it is written, a hand "-" left empty and not
// known; nothing when the text is no deal (52 distinct cards at most, 13 a
// hand given).
struct ReadDeal {
    Deal deal{};
    std::array<bool, 4> known{};
};
std::optional<ReadDeal> readPbnDeal(std::string_view value);

// A hand as the Deal tag writes it: "AKQ2.J4.T98.7653", ranks high to low,
// a void empty.
std::string pbnHand(const Hand& hand);

// The dealer and vulnerability of a board in the 16-board rotation, as
// PBN writes them: "N", "E", "S", "W"; "None", "NS", "EW", "All".
std::string_view pbnDealer(int board);
std::string_view pbnVulnerable(int board);
// A vulnerability as the Vulnerable tag writes it.
std::string_view pbnVulnerability(Vulnerability vulnerability);

// One game's tags, each line made by `tag` (which escapes the value and
// encodes it as its file needs): the mandatory ones in their order, ""
// for those that do not apply, then the tricks and par where known.
struct PbnGameFields {
    std::string_view event;
    std::string_view date;
    int board = 1;
    std::string_view dealer;
    std::string_view vulnerable;
    std::string_view deal;
    const std::optional<TrickTable>& tricks;
    const std::optional<ParResult>& par;
};
using PbnTagLine = std::string (*)(std::string_view name, std::string_view value);
std::string pbnGameText(const PbnGameFields& game, PbnTagLine tag);

}  // namespace ondiscale
