#include "ui/journal/session_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include "formats/journal_file.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// "seance-20261208T130512Z-01.journal": the end of the session in UTC, so
// that names sort by time whatever the clocks do between summer and
// winter, then a counter for sessions that end in the same second.
const QString kNameFilter = QStringLiteral("seance-*.journal");
const QString kNameDate = QStringLiteral("yyyyMMdd");
const QString kNameTime = QStringLiteral("HHmmss");
// Sessions that end in the same second, files set aside under one name.
constexpr int kMostSameName = 99;
// Far past any real session: a file this size is not one.
constexpr qint64 kMostBytes = qint64{256} * 1024 * 1024;
// Enough for the two lines that announce the runs.
constexpr qint64 kHeadBytes = 256;

const QRegularExpression& sessionName() {
    static const QRegularExpression pattern(
        QStringLiteral("^seance-(\\d{8})T(\\d{6})Z-\\d{2}\\.journal$"));
    return pattern;
}

QString fileName(const QDateTime& ended, int counter) {
    const QDateTime utc = ended.toUTC();
    return QStringLiteral("seance-%1T%2Z-%3.journal")
        .arg(utc.toString(kNameDate), utc.toString(kNameTime))
        .arg(counter, 2, 10, QLatin1Char('0'));
}

// Read as UTC from the start: a UTC time may fall in the hour that the
// local clock skips in spring.
std::optional<QDateTime> endOf(const QString& name) {
    const QRegularExpressionMatch match = sessionName().match(name);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QDate date = QDate::fromString(match.captured(1), kNameDate);
    const QTime time = QTime::fromString(match.captured(2), kNameTime);
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, time, Qt::UTC).toLocalTime();
}

// "8 décembre 2026 à 14 h 05", "1er mars 2027 à 9 h 30".
QString whenText(const QDateTime& ended) {
    const QLocale french(QLocale::French);
    const QDate date = ended.date();
    const QString day =
        date.day() == 1 ? qtText(texts::kFirstOfMonth) : QString::number(date.day());
    return qtText(texts::kSessionWhen)
        .arg(day + QLatin1Char(' ') + french.toString(date, QStringLiteral("MMMM yyyy")),
             QString::number(ended.time().hour()),
             QStringLiteral("%1").arg(ended.time().minute(), 2, 10, QLatin1Char('0')));
}

// The number of runs from the first lines alone.
std::optional<std::int64_t> runsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray head = file.read(kHeadBytes);
    head.truncate(head.lastIndexOf('\n') + 1);
    return announcedRuns(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
}

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QString systemSays(const QString& detail) { return qtText(texts::kSystemSays).arg(detail); }

// Why the folder could not be made: the nearest folder that exists tells.
QString folderFailure(const QString& folder) {
    QFileInfo above(folder);
    while (!above.exists() && !above.isRoot() && above.absolutePath() != above.absoluteFilePath()) {
        above = QFileInfo(above.absolutePath());
    }
    if (above.exists() && !above.isDir()) {
        return qtText(texts::kNotAFolder).arg(nativePath(above.absoluteFilePath()));
    }
    if (above.exists() && !above.isWritable()) {
        return qtText(texts::kFolderLocked).arg(nativePath(above.absoluteFilePath()));
    }
    return qtText(texts::kCannotCreateFolder).arg(nativePath(folder));
}

QString writeFailure(const QString& folder, const QFileDevice& file) {
    if (!QFileInfo(folder).isWritable()) {
        return qtText(texts::kFolderLocked).arg(nativePath(folder));
    }
    const char* reason =
        file.error() == QFileDevice::WriteError ? texts::kWriteFailed : texts::kCannotCreate;
    return qtText(reason) + systemSays(file.errorString());
}

// Renames a file that cannot be read so that it is offered no more; its
// new name, or why it kept its own.
struct SetAside {
    bool done = false;
    QString path;
    QString failure;
};
SetAside setAside(const QString& path) {
    QFile file(path);
    for (int n = 1; n <= kMostSameName; ++n) {
        const QString target = path + QLatin1String(SessionStore::kSetAsideSuffix) +
                               (n == 1 ? QString() : QLatin1Char('-') + QString::number(n));
        if (QFile::exists(target)) {
            continue;
        }
        if (file.rename(target)) {
            return {true, target, {}};
        }
        break;
    }
    return {false, path, file.errorString()};
}

}  // namespace

QString sessionChoiceText(const SavedSession& session) {
    if (!session.runs) {
        return session.label;
    }
    if (*session.runs == 1) {
        return qtText(texts::kOneRun).arg(session.label);
    }
    return qtText(texts::kRuns).arg(session.label, QString::number(*session.runs));
}

SessionStore::SessionStore()
    : SessionStore(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {}

SessionStore::SessionStore(QString folder) : folder_(std::move(folder)) {}

std::optional<QString> SessionStore::save(const std::vector<JournalEntry>& entries,
                                          const QDateTime& ended) const {
    if (entries.empty()) {
        return std::nullopt;
    }
    if (folder_.isEmpty()) {
        return qtText(texts::kSessionNotSavedAnywhere);
    }
    const auto failed = [this](const QString& reason) {
        return qtText(texts::kSessionNotSaved).arg(nativePath(folder_), reason);
    };
    const QFileInfo folderInfo(folder_);
    if (folderInfo.exists() && !folderInfo.isDir()) {
        return failed(qtText(texts::kNotAFolder).arg(nativePath(folder_)));
    }
    if (!QDir().mkpath(folder_)) {
        return failed(folderFailure(folder_));
    }

    // The name is taken first, by creating the file, so that two programs
    // ending in the same second cannot write over each other.
    const QDir dir(folder_);
    QString path;
    for (int counter = 1; counter <= kMostSameName && path.isEmpty(); ++counter) {
        const QString candidate = dir.filePath(fileName(ended, counter));
        QFile reserved(candidate);
        if (reserved.exists()) {
            continue;
        }
        if (!reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (reserved.exists()) {
                continue;
            }
            return failed(writeFailure(folder_, reserved));
        }
        path = candidate;
    }
    if (path.isEmpty()) {
        return failed(qtText(texts::kTooManyAtOnce));
    }

    const std::string text = journalFileText(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        const QString reason = writeFailure(folder_, file);
        file.cancelWriting();
        QFile::remove(path);
        return failed(reason);
    }

    // Keeps the newest sessions and the one just written, whatever the
    // clock said when it was named.
    const QString written = QFileInfo(path).fileName();
    int kept = 1;
    for (const QString& name :
         dir.entryList({kNameFilter}, QDir::Files, QDir::Name | QDir::Reversed)) {
        if (name == written || !endOf(name)) {
            continue;
        }
        if (kept < kKeptSessions) {
            ++kept;
        } else {
            QFile::remove(dir.filePath(name));
        }
    }
    return std::nullopt;
}

std::vector<SavedSession> SessionStore::list() const {
    std::vector<SavedSession> sessions;
    if (folder_.isEmpty()) {
        return sessions;
    }
    const QDir dir(folder_);
    for (const QString& name :
         dir.entryList({kNameFilter}, QDir::Files, QDir::Name | QDir::Reversed)) {
        const std::optional<QDateTime> ended = endOf(name);
        if (!ended) {
            continue;
        }
        sessions.push_back({name, *ended, qtText(texts::kSessionLabel).arg(whenText(*ended)),
                            runsOf(dir.filePath(name))});
    }
    return sessions;
}

QString SessionStore::path(const SavedSession& session) const {
    return QDir(folder_).filePath(session.fileName);
}

ReopenedSession SessionStore::open(const SavedSession& session) const {
    const auto notOpened = [&](const QString& reason) {
        return qtText(texts::kSessionNotOpened).arg(whenText(session.ended), reason);
    };
    QFile file(path(session));
    if (!endOf(session.fileName) || !file.exists()) {
        return {std::nullopt, notOpened(qtText(texts::kFileGone))};
    }
    QString reason;
    if (file.size() > kMostBytes) {
        reason = qtText(texts::kFileTooLarge);
    } else if (!file.open(QIODevice::ReadOnly)) {
        reason = qtText(texts::kFileUnreadable) + systemSays(file.errorString());
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            reason = qtText(texts::kFileUnreadable) + systemSays(file.errorString());
        } else {
            JournalFileReading reading = readJournalFile(
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (reading.entries) {
                return {std::move(reading.entries), {}};
            }
            reason = qtText(texts::kFileDamaged).arg(qtText(reading.damage));
        }
    }
    file.close();
    const SetAside aside = setAside(file.fileName());
    return {std::nullopt,
            notOpened(reason) +
                (aside.done ? qtText(texts::kSetAside).arg(nativePath(aside.path))
                            : qtText(texts::kNotSetAside)
                                  .arg(nativePath(aside.path), systemSays(aside.failure)))};
}

}  // namespace ondiscale
