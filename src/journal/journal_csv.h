#pragma once

#include <string>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// The journal as a table for French spreadsheets: UTF-8 with its byte
// order mark, ";" between fields, a decimal comma, CR LF after each line;
// a header, then one line per figure of each run.
std::string journalCsv(const std::vector<JournalEntry>& entries);

}  // namespace ondiscale
