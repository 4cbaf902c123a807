#include "ui/tables/sheet_view.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"
#include "ui/tables/tables_texts.h"

namespace ondiscale {
namespace {

// Where a row's first cell keeps the row's place in the sheet.
constexpr int kSheetRowRole = Qt::UserRole + 1;
namespace texts = tables_texts;

}  // namespace

SheetView::SheetView(QWidget* parent) : ReadOnlyTable(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows are numbered by nothing but their cells once sorted.
    verticalHeader()->hide();
    // One line a row, the same for every row, and columns measured by the
    // view itself once per sheet: headers that measure their sections at
    // every cell set would take a second to fill a table.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 3);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    keepClear(*this);
}

void SheetView::showSheet(const Sheet& sheet) {
    // Filled unsorted and undrawn, then sorted once as the headings say.
    setUpdatesEnabled(false);
    setSortingEnabled(false);
    clearContents();
    if (columnCount() == 0) {
        setColumnCount(static_cast<int>(sheet.headings.size()));
        // Set once the columns are there: inserting them would move it.
        horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    }
    setColumnCount(static_cast<int>(sheet.headings.size()));
    QStringList headings;
    QStringList spoken;
    for (const std::string& heading : sheet.headings) {
        headings << qtText(heading);
        spoken << qtText(heading).replace(u'\n', u' ');
    }
    if (actions().size() != headings.size()) {
        makeSortActions(sheet.headings);
    }
    setHorizontalHeaderLabels(headings);
    setRowCount(static_cast<int>(sheet.rows.size()));
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const std::vector<SheetCell>& row = sheet.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            QTableWidgetItem* item = sortedCell(qtText(cell.shown), cell.number, cell.key);
            item->setData(
                Qt::AccessibleTextRole,
                qtText(texts::kCellSaid).arg(spoken.value(static_cast<int>(c)), item->text()));
            if (c == 0) {
                item->setData(kSheetRowRole, static_cast<qulonglong>(r));
            }
            setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    setSortingEnabled(true);
    fitColumns();
    setUpdatesEnabled(true);
}

void SheetView::fitColumns() {
    const QFontMetrics cells(font());
    const QFontMetrics headings(horizontalHeader()->font());
    // Room for the cells' margins and the heading's sort sign.
    const int padding = 2 * cells.horizontalAdvance(QLatin1Char('0'));
    const int sign = style()->pixelMetric(QStyle::PM_HeaderMarkSize) + padding;
    widths_.resize(static_cast<std::size_t>(columnCount()));
    bool changed = false;
    for (int c = 0; c < columnCount(); ++c) {
        int widest = 0;
        for (const QString& line : horizontalHeaderItem(c)->text().split(u'\n')) {
            widest = std::max(widest, headings.horizontalAdvance(line) + sign);
        }
        for (int r = 0; r < rowCount(); ++r) {
            if (const QTableWidgetItem* cell = item(r, c)) {
                widest = std::max(widest, cells.horizontalAdvance(cell->text()) + padding);
            }
        }
        if (widths_[static_cast<std::size_t>(c)] != widest) {
            widths_[static_cast<std::size_t>(c)] = widest;
            setColumnWidth(c, widest);
            changed = true;
        }
    }
    if (changed) {
        updateGeometry();
    }
}

void SheetView::makeSortActions(const std::vector<std::string>& headings) {
    for (QAction* action : actions()) {
        removeAction(action);
        delete action;
    }
    for (std::size_t c = 0; c < headings.size(); ++c) {
        QString name = qtText(headings[c]).replace(u'\n', u' ');
        auto* action = new QAction(qtText(texts::kSortBy).arg(name), this);
        // Ctrl+1 for the first column, and so on.
        if (c < 9) {
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + c)));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(action, &QAction::triggered, this, [this, c] { sortBy(static_cast<int>(c)); });
        addAction(action);
    }
}

void SheetView::sortBy(int column) {
    const QHeaderView* header = horizontalHeader();
    const Qt::SortOrder order = header->sortIndicatorSection() == column &&
                                        header->sortIndicatorOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    sortByColumn(column, order);
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
    int columns = 0;
    for (const int width : widths_) {
        columns += width;
    }
    const int wide = columns + verticalScrollBar()->sizeHint().width() + frame;
    return {wide, ReadOnlyTable::sizeHint().height()};
}

}  // namespace ondiscale
