#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// Writes the journal as a CSV table to `path` through QSaveFile, so that
// the file is either whole or as it was. On failure, gives the reason in
// French; the journal itself is never touched.
std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path);

}  // namespace ondiscale
