#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "simulation/batch_run.h"

namespace ondiscale {

// A set of boards as a PBN 2.1 file in export format, for the programs
// that deal boards or show them (a dealing machine's software, a teaching
// table): lines ending in CR LF; every game the mandatory tags in their
// order, "" for those that do not apply; each board's own number, dealer
// and vulnerability (a board without them takes its place in the 16-board
// rotation), the Deal from the dealer clockwise; a solved board adds its
// OptimumResultTable and its par. Every tag value is ISO 8859-1, as the
// standard's readers all take it: what has no Latin-1 form is written the
// way pbnLatin1 says. `event` (UTF-8) and `date` ("2026.12.08") go in every
// game.
std::string pbnExportText(const std::vector<Example>& boards, std::string_view event,
                          std::string_view date);

// A UTF-8 text in ISO 8859-1, for a tag value: the letters French needs
// that Latin-1 has (é, à, ç, «, ») become its single bytes; the rest as a
// French player types it without them: ≤ "<=", ≥ ">=", the suit signs the
// program's own letters P, C, K, T (as its main window writes "6<= P <=6"),
// œ "oe", dashes "-", "…" "...", curly quotes straight ones, the spaces
// that do not break a plain space; anything else, and bytes that are not
// UTF-8, "?". Control characters become spaces.
std::string pbnLatin1(std::string_view utf8);

}  // namespace ondiscale
