#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// A session saved in the data folder, as the list of past sessions shows it.
struct SavedSession {
    QString fileName;                  // in the store's folder
    QDateTime ended;                   // local time
    QString label;                     // "Séance du 8 décembre 2026 à 14 h 05"
    std::optional<std::int64_t> runs;  // as the file announces it
};

// "Séance du 8 décembre 2026 à 14 h 05 (4 tirages)", or the label alone
// when the number of runs is not known.
QString sessionChoiceText(const SavedSession& session);

// A reopened session: its runs, or why they cannot be shown, in French.
struct ReopenedSession {
    std::optional<std::vector<JournalEntry>> entries;
    QString message;
};

// The journals of past sessions, one file each in the user's data folder,
// named by the time the session ended so that names sort by time. Only
// the last kKeptSessions are kept; a file that cannot be read is set aside
// under another name, never deleted.
class SessionStore {
public:
    static constexpr int kKeptSessions = 20;
    // The suffix added to a file set aside.
    static constexpr const char* kSetAsideSuffix = ".endommagee";

    // The application's data folder.
    SessionStore();
    explicit SessionStore(QString folder);

    [[nodiscard]] const QString& folder() const { return folder_; }
    [[nodiscard]] QString path(const SavedSession& session) const;

    // Writes the session's journal, creating the folder if need be, then
    // deletes the oldest sessions past kKeptSessions (never the one just
    // written). Nothing is written when there are no runs. On failure, the
    // French sentence that says why.
    [[nodiscard]] std::optional<QString> save(
        const std::vector<JournalEntry>& entries,
        const QDateTime& ended = QDateTime::currentDateTime()) const;

    // The saved sessions, newest first.
    [[nodiscard]] std::vector<SavedSession> list() const;

    // Reads one back. A file that cannot be read or is damaged is set
    // aside, and the message says so; the other sessions stay as they are.
    [[nodiscard]] ReopenedSession open(const SavedSession& session) const;

private:
    QString folder_;
};

}  // namespace ondiscale
