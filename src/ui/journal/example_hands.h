#pragma once

#include "journal/journal.h"
#include "ui/kit/read_only_table.h"

namespace ondiscale {

// A run's example hands, one a row, suits spades to clubs in columns under
// their signs (red hearts and diamonds); a survey's rows start with the
// distribution they count for. A screen reader hears each suit of each
// hand card by card: "Pique : As, Roi, 10, 6, 4".
class ExampleHands : public ReadOnlyTable {
    Q_OBJECT

public:
    explicit ExampleHands(QWidget* parent = nullptr);

    void showEntry(const JournalEntry& entry);

    // As tall as its rows.
    [[nodiscard]] QSize sizeHint() const override;
};

}  // namespace ondiscale
