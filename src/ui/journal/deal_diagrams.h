#pragma once

#include <QWidget>

#include "journal/journal.h"

class QHBoxLayout;

namespace ondiscale {

// A run's example deals as bridge players draw them: North at the top,
// West on the left, East on the right, South at the bottom, each hand suit
// by suit with its sign (red hearts and diamonds) and French ranks, "—"
// for a void. Each deal is one stop of the keyboard, and a screen reader
// hears it hand by hand, card by card.
class DealDiagrams : public QWidget {
    Q_OBJECT

public:
    explicit DealDiagrams(QWidget* parent = nullptr);

    // The first `most` deals of the entry's examples.
    void showEntry(const JournalEntry& entry, std::size_t most);

private:
    QHBoxLayout* row_;
};

}  // namespace ondiscale
