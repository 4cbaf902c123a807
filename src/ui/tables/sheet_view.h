#pragma once

#include <cstddef>
#include <vector>

#include "ui/kit/read_only_table.h"
#include "ui/tables/table_sheets.h"

namespace ondiscale {

// A sheet as a table to read, sorted by the column whose heading the user
// clicks (again for the other way), numbers by their values; from the
// keyboard, by its menu (the menu key, Maj+F10) or Ctrl with the column's
// number. It starts in the sheet's own order, which its first column
// sorted upwards gives. A screen reader hears each cell with its column:
// "Répartition : 3-2".
class SheetView : public ReadOnlyTable {
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    // Sorts by that column, the other way if it is sorted by it already.
    void sortBy(int column);

    // Shows `sheet`, sorted as the user last chose.
    void showSheet(const Sheet& sheet);

    // The sheet's rows in the order shown, and the one at a place.
    [[nodiscard]] std::vector<std::size_t> shownOrder() const;
    [[nodiscard]] std::size_t sheetRow(int shownRow) const;

    // As wide as its columns; the rows scroll.
    [[nodiscard]] QSize sizeHint() const override;

private:
    // Each column as wide as its widest text, measured once per sheet.
    void fitColumns();
    // One entry of its menu for each column.
    void makeSortActions(const std::vector<std::string>& headings);

    std::vector<int> widths_;
};

}  // namespace ondiscale
