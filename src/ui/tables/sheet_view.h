#pragma once

#include <cstddef>
#include <vector>

#include "ui/kit/read_only_table.h"
#include "ui/tables/table_sheets.h"

namespace ondiscale {

// A sheet as a table to read, sorted by the column whose heading the user
// clicks (again for the other way), numbers by their values. It starts in
// the sheet's own order, which its first column sorted upwards gives.
class SheetView : public ReadOnlyTable {
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    // Shows `sheet`, sorted as the user last chose.
    void showSheet(const Sheet& sheet);

    // The sheet's rows in the order shown, and the one at a place.
    [[nodiscard]] std::vector<std::size_t> shownOrder() const;
    [[nodiscard]] std::size_t sheetRow(int shownRow) const;

    // As wide as its columns; the rows scroll.
    [[nodiscard]] QSize sizeHint() const override;
};

}  // namespace ondiscale
