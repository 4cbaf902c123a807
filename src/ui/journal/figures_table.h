#pragma once

#include "journal/journal.h"
#include "journal/journal_text.h"
#include "ui/kit/read_only_table.h"

namespace ondiscale {

// A run's figures, one row each: hits, estimate, 95 % interval, exact
// probability and gap, as the journal's rule for numbers writes them.
class FiguresTable : public ReadOnlyTable {
    Q_OBJECT

public:
    explicit FiguresTable(QWidget* parent = nullptr);

    void showEntry(const JournalEntry& entry, const std::vector<FigureTexts>& texts);

    // As tall as its rows.
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
};

}  // namespace ondiscale
