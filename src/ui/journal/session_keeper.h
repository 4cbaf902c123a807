#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "journal/journal.h"
#include "ui/journal/session_store.h"

class QWidget;

namespace ondiscale {

// Keeps the session's journal on disk when the program ends, however it
// ends: its window closed, a logout's signal, the desktop's session
// manager. One file per session, written again in place when the session
// is saved a second time, and not written again when nothing changed.
class SessionKeeper {
public:
    explicit SessionKeeper(const Journal& journal, SessionStore store = SessionStore());

    // Saves what changed since the last save; on failure, why, in French.
    std::optional<QString> save();

    // Writes the session to a file the user chose; on failure, why.
    std::optional<QString> saveTo(const QString& path);

    // The file written for this session, if any.
    [[nodiscard]] const QString& path() const { return path_; }

private:
    const Journal& journal_;
    SessionStore store_;
    QString path_;
    std::vector<JournalEntry> written_;  // what the file holds
};

// What the user chose once told that the session could not be saved.
enum class AfterFailedSave {
    SavedElsewhere,  // through "Enregistrer ailleurs…"
    Stay,            // back to the program: its runs stay in memory
    QuitUnsaved,
};

// Says on screen that the session was not saved, and why, with a way to
// keep the work: "Enregistrer ailleurs…" through Qt's file dialog (asked
// again while that fails too), "Revenir au programme", or "Quitter sans
// enregistrer".
AfterFailedSave askAfterFailedSave(QWidget* parent, SessionKeeper& keeper, const QString& failure);

}  // namespace ondiscale
