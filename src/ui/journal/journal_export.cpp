#include "ui/journal/journal_export.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "formats/journal_csv.h"
#include "formats/pbn.h"
#include "formats/pbn_export.h"
#include "journal/journal_text.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// What went wrong, from what stands at the path: the system's own words
// come last, as a detail.
QString failureReason(const QString& path, const QSaveFile& file) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (target.isDir()) {
        return qtText(texts::kIsAFolder);
    }
    if (!folder.exists()) {
        return qtText(texts::kNoFolder).arg(folderName);
    }
    if (!folder.isDir()) {
        return qtText(texts::kNotAFolder).arg(folderName);
    }
    if (!folder.isWritable()) {
        return qtText(texts::kFolderLocked).arg(folderName);
    }
    if (target.exists() && !target.isWritable()) {
        return qtText(texts::kFileLocked);
    }
    const char* reason =
        file.error() == QFileDevice::WriteError ? texts::kWriteFailed : texts::kCannotCreate;
    return qtText(reason) + qtText(texts::kSystemSays).arg(file.errorString());
}

}  // namespace

std::optional<QString> saveText(const std::string& text, const QString& path) {
    QSaveFile file(path);
    // A write that failed at the end (a full disk) may still let commit()
    // succeed: the buffer is flushed and its error looked at first.
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        const QString reason = failureReason(path, file);
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path) {
    return saveText(journalCsv(entries), path);
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
