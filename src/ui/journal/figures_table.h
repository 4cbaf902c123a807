#pragma once

#include <QString>
#include <vector>

#include "journal/journal_text.h"
#include "ui/kit/read_only_table.h"

namespace ondiscale {

// One row of the table: the figure's name, what the journal's rule for
// numbers writes of it, and why it has no exact value, if that needs saying.
struct FigureRow {
    QString name;
    FigureTexts texts;
    QString note;
};

// A run's figures, one row each: the deals that meet it, estimate, 95 %
// confidence interval, exact probability and gap, each heading explained
// in its tooltip. A column with nothing in it for the run is left out.
// The cells change in place, so that a run that changes often (an
// analysis, step after step) costs no new layout.
class FiguresTable : public ReadOnlyTable {
    Q_OBJECT

public:
    explicit FiguresTable(QWidget* parent = nullptr);

    void showRows(const std::vector<FigureRow>& rows);

    // As tall as its rows.
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    // Each column as wide as its widest text, measured once per change.
    void fitColumns();
    [[nodiscard]] int headerHeight() const;

    std::vector<int> widths_;  // as last measured
};

}  // namespace ondiscale
