#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "formats/session_file.h"
#include "journal/journal.h"

namespace ondiscale {

// A session saved in the data folder, as the list of past sessions shows it.
struct SavedSession {
    QString fileName;                  // in the store's folder
    QDateTime ended;                   // local time
    QString label;                     // "Séance du 8 décembre 2026 à 14 h 05"
    std::optional<std::int64_t> runs;  // as the file announces it, when the file can hold them
    bool newer = false;                // written by a newer version of the program
};

// "Séance du 8 décembre 2026 à 14 h 05 (4 tirages)", the label alone when
// the number of runs is not known, or said to come from a newer version.
QString sessionChoiceText(const SavedSession& session);

// A reopened session: its runs, or why they cannot be shown, in French;
// neither when the reading was stopped.
struct ReopenedSession {
    std::optional<std::vector<JournalEntry>> entries;
    QString message;
};

// What a save wrote, or why it did not.
struct SessionSave {
    std::optional<QString> failure;
    QString path;  // the file written
};

// The journals of past sessions, one file each in the user's data folder,
// named by the time the session ended. Only the last kKeptSessions are
// kept, by the time saved inside each file (the old format's: its
// modification time), never by a name that a file copied from elsewhere
// could fake. Only regular files of the folder are read, and no more of
// them than the program ever writes. A file that fails to parse is set
// aside under another name, never deleted; any other that cannot be read
// is left as it is, with a word why.
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

    // Writes the session's journal, creating the folder if need be: to a
    // new file, or again over `over`, a file this store wrote for the same
    // session. Once the file is whole on disk, deletes the oldest sessions
    // past kKeptSessions (never the one just written, nor a file it cannot
    // tell is one of its own). Nothing is written when there are no runs.
    // On failure, the French sentence that says why, and nothing deleted.
    [[nodiscard]] SessionSave write(const std::vector<JournalEntry>& entries,
                                    const QDateTime& ended = QDateTime::currentDateTime(),
                                    const QString& over = {}) const;
    [[nodiscard]] std::optional<QString> save(
        const std::vector<JournalEntry>& entries,
        const QDateTime& ended = QDateTime::currentDateTime()) const {
        return write(entries, ended).failure;
    }

    // The saved sessions, newest first.
    [[nodiscard]] std::vector<SavedSession> list() const;

    // Reads one back, telling `progress` after each run; safe on a thread
    // of its own.
    [[nodiscard]] ReopenedSession open(const SavedSession& session,
                                       const ReadingProgress& progress = {}) const;

private:
    void prune(const QString& written) const;

    QString folder_;
};

}  // namespace ondiscale
