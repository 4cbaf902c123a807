#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// Writes `text` to `path` through QSaveFile, so that the file is either
// whole or as it was. On failure, gives the reason in French.
std::optional<QString> saveText(const std::string& text, const QString& path);

// The journal as a CSV table; the journal itself is never touched.
std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path);

// A run's examples as a PBN file of deals, its title as every game's event.
std::string runPbn(const JournalEntry& entry, std::size_t most);

}  // namespace ondiscale
