#include "ui/journal/journal_export.h"

#include <QDate>
#include <algorithm>

#include "formats/journal_csv.h"
#include "formats/pbn.h"
#include "formats/pbn_export.h"
#include "journal/journal_text.h"
#include "ui/kit/save_file.h"

namespace ondiscale {

std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path) {
    return writeWhole(journalCsv(entries), path);
}

std::string runPbn(const JournalEntry& entry, std::size_t most) {
    std::vector<PbnGame> games;
    for (const Example& example : entry.examples) {
        if (games.size() == most) {
            break;
        }
        games.push_back({example.deal, example.wholeDeal, example.tricks, example.par});
    }
    const std::string date =
        QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    if (entry.kind == RunKind::Lesson) {
        // Its boards as numbered, each with its own dealer and vulnerability.
        const std::vector<Example> boards(
            entry.examples.begin(), entry.examples.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                 most, entry.examples.size())));
        return pbnExportText(boards, runTitle(entry), date);
    }
    return pbnText(games, runTitle(entry), date);
}

}  // namespace ondiscale
