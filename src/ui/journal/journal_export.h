#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// The journal as a CSV table, written whole or not at all (writeWhole);
// the journal itself is never touched. On failure, why, in French.
std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path);

// A run's examples as a PBN file of deals, its title as every game's event.
std::string runPbn(const JournalEntry& entry, std::size_t most);

}  // namespace ondiscale
