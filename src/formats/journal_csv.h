#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// A text field of such a table: quoted when it holds a separator, a
// quote, a line break or edge spaces, which a spreadsheet would split or
// trim; a text that a spreadsheet would take for a formula starts with an
// apostrophe.
std::string csvField(std::string_view text);

// The journal as a table for French spreadsheets: UTF-8 with its byte
// order mark, ";" between fields, a decimal comma, CR LF after each line;
// a header, then one line per figure of each run.
std::string journalCsv(const std::vector<JournalEntry>& entries);

}  // namespace ondiscale
