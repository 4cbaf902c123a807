#pragma once

#include <QTableWidget>

#include "journal/journal.h"

namespace ondiscale {

// A run's figures, one row each: hits, estimate, margin, exact probability
// and gap. As tall as its rows, scrolled sideways only when the window is
// too narrow for its columns.
class FiguresTable : public QTableWidget {
    Q_OBJECT

public:
    explicit FiguresTable(QWidget* parent = nullptr);

    // Fills the rows with the entry's figures, numbers written with the
    // given decimal separator.
    void showEntry(const JournalEntry& entry, std::string_view decimalSeparator);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitHeight();
};

}  // namespace ondiscale
