#pragma once

#include <QDialog>

#include "ui/journal/session_store.h"

class QListWidget;
class QPushButton;

namespace ondiscale {

// The list of past sessions, newest first: the one chosen is opened.
class SessionsDialog : public QDialog {
    Q_OBJECT

public:
    SessionsDialog(const SessionStore& store, QWidget* parent);

    // The session chosen with "Ouvrir" or a double click, if any.
    [[nodiscard]] std::optional<SavedSession> chosen() const;

private:
    std::vector<SavedSession> sessions_;
    QListWidget* list_;
    QPushButton* open_ = nullptr;
};

}  // namespace ondiscale
