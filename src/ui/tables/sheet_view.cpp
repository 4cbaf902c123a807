#include "ui/tables/sheet_view.h"

#include <QHeaderView>
#include <QScrollBar>

#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

// Where a row's first cell keeps the row's place in the sheet.
constexpr int kSheetRowRole = Qt::UserRole + 1;

}  // namespace

SheetView::SheetView(QWidget* parent) : ReadOnlyTable(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are numbered by nothing but their cells once sorted.
    verticalHeader()->hide();
    // One line a row, the same for every row: nothing to measure again
    // when the table changes.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 3);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    keepClear(*this);
}

void SheetView::showSheet(const Sheet& sheet) {
    // Filled unsorted, then sorted once as the headings say.
    setSortingEnabled(false);
    clearContents();
    if (columnCount() == 0) {
        setColumnCount(static_cast<int>(sheet.headings.size()));
        // Set once the columns are there: inserting them would move it.
        horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    }
    setColumnCount(static_cast<int>(sheet.headings.size()));
    QStringList headings;
    for (const std::string& heading : sheet.headings) {
        headings << qtText(heading);
    }
    setHorizontalHeaderLabels(headings);
    setRowCount(static_cast<int>(sheet.rows.size()));
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const std::vector<SheetCell>& row = sheet.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            QTableWidgetItem* item = sortedCell(qtText(cell.shown), cell.number, cell.key);
            if (c == 0) {
                item->setData(kSheetRowRole, static_cast<qulonglong>(r));
            }
            setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    setSortingEnabled(true);
    updateGeometry();
}

std::vector<std::size_t> SheetView::shownOrder() const {
    std::vector<std::size_t> order;
    order.reserve(static_cast<std::size_t>(rowCount()));
    for (int shown = 0; shown < rowCount(); ++shown) {
        order.push_back(sheetRow(shown));
    }
    return order;
}

std::size_t SheetView::sheetRow(int shownRow) const {
    const QTableWidgetItem* first = item(shownRow, 0);
    return first != nullptr ? static_cast<std::size_t>(first->data(kSheetRowRole).toULongLong())
                            : 0;
}

QSize SheetView::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int wide = horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + frame;
    return {wide, ReadOnlyTable::sizeHint().height()};
}

}  // namespace ondiscale
