#pragma once

#include <QString>

#include "journal/journal.h"

namespace ondiscale {

// A run's example hands as an HTML table, one hand a row, suits spades to
// clubs with their signs, red hearts and diamonds; a survey's rows start
// with the distribution they count for.
QString exampleHandsHtml(const JournalEntry& entry);

}  // namespace ondiscale
