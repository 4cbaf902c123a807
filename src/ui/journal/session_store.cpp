#include "ui/journal/session_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

#include "ui/journal/journal_texts.h"
#include "ui/kit/file_texts.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/save_file.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// "seance-20261208T130512Z-01.journal": the end of the session in UTC,
// then a counter for sessions that end in the same second.
const QString kNameFilter = QStringLiteral("seance-*.journal");
const QString kNameDate = QStringLiteral("yyyyMMdd");
const QString kNameTime = QStringLiteral("HHmmss");
// Sessions that end in the same second, files set aside under one name.
constexpr int kMostSameName = 99;
// Enough for the first line, which says what the file holds.
constexpr qint64 kHeadBytes = 512;
// A time saved later than this past now was saved by a clock gone wrong:
// such a file goes first when sessions are pruned.
constexpr qint64 kClockSlackSeconds = qint64{24} * 60 * 60;

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

// The time a file of the new format says it was saved, local.
std::optional<QDateTime> savedTime(const SessionHead& head) {
    if (head.saved.empty()) {
        return std::nullopt;
    }
    const QDateTime saved = QDateTime::fromString(qtText(head.saved), Qt::ISODate);
    return saved.isValid() ? std::optional(saved.toLocalTime()) : std::nullopt;
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

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

QString systemSays(int error) { return qtText(file_texts::kSystemSays).arg(systemReason(error)); }

// Why the folder could not be made: the nearest folder that exists tells.
QString folderFailure(const QString& folder) {
    QFileInfo above(folder);
    while (!above.exists() && !above.isRoot() && above.absolutePath() != above.absoluteFilePath()) {
        above = QFileInfo(above.absolutePath());
    }
    if (above.exists() && !above.isDir()) {
        return qtText(file_texts::kNotAFolder).arg(nativePath(above.absoluteFilePath()));
    }
    if (above.exists() && !above.isWritable()) {
        return qtText(file_texts::kFolderLocked).arg(nativePath(above.absoluteFilePath()));
    }
    return qtText(texts::kCannotCreateFolder).arg(nativePath(folder));
}

// A file's bytes, from a regular file of the folder alone: neither a FIFO
// nor a device, nor a link that leaves the folder, can hang or flood the
// program. Up to `most` bytes; past that, with `whole`, too large.
struct FileRead {
    QByteArray bytes;
    bool notAFile = false;
    bool tooLarge = false;
    int error = 0;  // errno of a file that cannot be read
};
FileRead readRegular(const QString& folder, const QString& path, qint64 most, bool whole) {
    FileRead read;
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        target = info.canonicalFilePath();
        if (target.isEmpty() ||
            QFileInfo(target).absolutePath() != QFileInfo(folder).canonicalFilePath()) {
            read.notAFile = true;
            return read;
        }
    }
    const int fd = ::open(QFile::encodeName(target).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        read.error = errno;
        read.notAFile = read.error == ELOOP;  // became a link meanwhile
        return read;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        read.notAFile = true;
    } else if (whole && status.st_size > most) {
        read.tooLarge = true;
    } else {
        const qint64 wanted = std::min<qint64>(status.st_size, most) + 1;
        read.bytes.resize(wanted);
        qint64 got = 0;
        while (got < wanted) {
            const ssize_t n =
                ::read(fd, read.bytes.data() + got, static_cast<std::size_t>(wanted - got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                read.error = errno;
                break;
            }
            if (n == 0) {
                break;
            }
            got += n;
        }
        read.bytes.truncate(got);
        read.tooLarge = whole && got > most;  // grew as it was read
        if (!whole) {
            read.bytes.truncate(std::min(got, most));
        }
    }
    ::close(fd);
    return read;
}

// What a file's first line says; nothing for what is not a regular file
// of the folder, and nothing said for a file that cannot be read.
std::optional<SessionHead> headOf(const QString& folder, const QString& path) {
    const FileRead read = readRegular(folder, path, kHeadBytes, false);
    if (read.notAFile) {
        return std::nullopt;
    }
    if (read.error != 0) {
        return SessionHead{};
    }
    const std::string_view head(read.bytes.constData(),
                                static_cast<std::size_t>(read.bytes.size()));
    return readSessionHead(head, QFileInfo(path).size());
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
        errno = 0;
        if (file.rename(target)) {
            return {true, target, {}};
        }
        return {false, path, writeFailure(target, file, errno)};
    }
    return {false, path, qtText(texts::kTooManySetAside)};
}

}  // namespace

QString sessionChoiceText(const SavedSession& session) {
    if (session.newer) {
        return qtText(texts::kNewerSession).arg(session.label);
    }
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

SessionSave SessionStore::write(const std::vector<JournalEntry>& entries, const QDateTime& ended,
                                const QString& over) const {
    if (entries.empty()) {
        return {};
    }
    if (folder_.isEmpty()) {
        return {qtText(texts::kSessionNotSavedAnywhere), {}};
    }
    const auto failed = [this](const QString& reason) -> SessionSave {
        return {qtText(texts::kSessionNotSaved).arg(nativePath(folder_), reason), {}};
    };
    const QFileInfo folderInfo(folder_);
    if (folderInfo.exists() && !folderInfo.isDir()) {
        return failed(qtText(file_texts::kNotAFolder).arg(nativePath(folder_)));
    }
    if (!QDir().mkpath(folder_)) {
        return failed(folderFailure(folder_));
    }

    // The name is taken first, by creating the file, so that two programs
    // ending in the same second cannot write over each other.
    const QDir dir(folder_);
    QString path;
    bool reserved = false;
    if (!over.isEmpty() &&
        QFileInfo(over).absolutePath() == QFileInfo(folder_).absoluteFilePath()) {
        path = over;
    }
    for (int counter = 1; counter <= kMostSameName && path.isEmpty(); ++counter) {
        const QString candidate = dir.filePath(fileName(ended, counter));
        QFile reservation(candidate);
        if (reservation.exists()) {
            continue;
        }
        errno = 0;
        if (!reservation.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (reservation.exists()) {
                continue;
            }
            return failed(writeFailure(candidate, reservation, errno));
        }
        path = candidate;
        reserved = true;
    }
    if (path.isEmpty()) {
        return failed(qtText(texts::kTooManyAtOnce));
    }

    const std::string text =
        sessionFileText(entries, ended.toUTC().toString(Qt::ISODate).toStdString());
    if (const std::optional<QString> failure = writeWhole(text, path)) {
        if (reserved) {
            QFile::remove(path);
        }
        return failed(*failure);
    }
    prune(path);
    return {std::nullopt, path};
}

void SessionStore::prune(const QString& written) const {
    const QDir dir(folder_);
    const qint64 latest = QDateTime::currentSecsSinceEpoch() + kClockSlackSeconds;
    struct Kept {
        qint64 time;
        QString name;
    };
    std::vector<Kept> sessions;
    for (const QString& name : dir.entryList({kNameFilter}, QDir::Files | QDir::NoSymLinks)) {
        const QString path = dir.filePath(name);
        const SessionHead head = headOf(folder_, path).value_or(SessionHead{});
        if (!endOf(name) || !head.session || head.newer || path == written) {
            continue;  // not one of ours, or not ours to judge
        }
        const std::optional<QDateTime> saved = savedTime(head);
        qint64 time = (saved ? *saved : QFileInfo(path).lastModified()).toSecsSinceEpoch();
        if (time > latest) {
            time = 0;  // a clock gone wrong: its time says nothing
        }
        sessions.push_back({time, name});
    }
    std::sort(sessions.begin(), sessions.end(), [](const Kept& a, const Kept& b) {
        return a.time != b.time ? a.time > b.time : a.name > b.name;
    });
    for (std::size_t n = kKeptSessions - 1; n < sessions.size(); ++n) {
        QFile::remove(dir.filePath(sessions[n].name));
    }
}

std::vector<SavedSession> SessionStore::list() const {
    std::vector<SavedSession> sessions;
    if (folder_.isEmpty()) {
        return sessions;
    }
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({kNameFilter}, QDir::Files)) {
        // A file that cannot be read, or is damaged, is offered all the
        // same: opening it says what is wrong.
        const std::optional<QDateTime> named = endOf(name);
        const std::optional<SessionHead> head = headOf(folder_, dir.filePath(name));
        if (!named || !head) {
            continue;
        }
        const QDateTime ended = savedTime(*head).value_or(*named);
        sessions.push_back({name, ended, qtText(texts::kSessionLabel).arg(whenText(ended)),
                            head->newer ? std::nullopt : head->runs, head->newer});
    }
    std::sort(sessions.begin(), sessions.end(), [](const SavedSession& a, const SavedSession& b) {
        return a.ended != b.ended ? a.ended > b.ended : a.fileName > b.fileName;
    });
    return sessions;
}

QString SessionStore::path(const SavedSession& session) const {
    return QDir(folder_).filePath(session.fileName);
}

ReopenedSession SessionStore::open(const SavedSession& session,
                                   const ReadingProgress& progress) const {
    const auto notOpened = [&](const QString& reason) {
        return qtText(texts::kSessionNotOpened).arg(whenText(session.ended), reason);
    };
    const QString path = this->path(session);
    const QFileInfo info(path);
    if (!endOf(session.fileName) || (!info.exists() && !info.isSymLink())) {
        return {std::nullopt, notOpened(qtText(texts::kFileGone))};
    }
    const FileRead read = readRegular(folder_, path, kMostSessionBytes, true);
    if (read.notAFile) {
        return {std::nullopt, notOpened(qtText(texts::kNotAFile))};
    }
    if (read.error != 0) {
        return {std::nullopt, notOpened(qtText(texts::kFileUnreadable) + systemSays(read.error)) +
                                  qtText(texts::kLeftAsItIs)};
    }
    if (read.tooLarge) {
        return {std::nullopt, notOpened(qtText(texts::kFileTooLarge)) + qtText(texts::kLeftAsItIs)};
    }
    SessionReading reading = readSessionFile(
        std::string_view(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())),
        progress);
    if (reading.entries) {
        return {std::move(reading.entries), {}};
    }
    if (reading.cancelled) {
        return {};
    }
    if (reading.newer) {
        return {std::nullopt, notOpened(qtText(texts::kFileNewer))};
    }
    const QString reason = qtText(texts::kFileDamaged).arg(qtText(reading.damage));
    const SetAside aside = setAside(path);
    return {std::nullopt,
            notOpened(reason) + (aside.done ? qtText(texts::kSetAside).arg(nativePath(aside.path))
                                            : qtText(texts::kNotSetAside)
                                                  .arg(nativePath(aside.path),
                                                       QStringLiteral(" : ") + aside.failure))};
}

}  // namespace ondiscale
