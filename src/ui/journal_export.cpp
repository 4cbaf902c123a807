#include "ui/journal_export.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "journal/journal_csv.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// What went wrong, from what stands at the path: the system's own words
// come last, as a detail.
QString failureReason(const QString& path, const QSaveFile& file) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (target.isDir()) {
        return text(texts::kJournalIsAFolder);
    }
    if (!folder.exists()) {
        return text(texts::kJournalNoFolder).arg(folderName);
    }
    if (!folder.isDir()) {
        return text(texts::kJournalNotAFolder).arg(folderName);
    }
    if (!folder.isWritable()) {
        return text(texts::kJournalFolderLocked).arg(folderName);
    }
    if (target.exists() && !target.isWritable()) {
        return text(texts::kJournalFileLocked);
    }
    const char* reason = file.error() == QFileDevice::WriteError ? texts::kJournalWriteFailed
                                                                 : texts::kJournalCannotCreate;
    return text(reason) + text(texts::kJournalSystemSays).arg(file.errorString());
}

}  // namespace

std::optional<QString> saveJournalCsv(const std::vector<JournalEntry>& entries,
                                      const QString& path) {
    const std::string csv = journalCsv(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        const QString reason = failureReason(path, file);
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

}  // namespace ondiscale
