#include "ui/kit/read_only_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <map>
#include <mutex>

namespace ondiscale {
namespace {

// The children of a table as item views number them, so that the focus
// events Qt sends for the current cell name the right child: the corner,
// the column headers, then each row's header followed by its cells.
struct Place {
    int row;     // -1 for the column headers' row
    int column;  // -1 for the row headers' column
};

Place placeOf(int child, int columns) {
    return {child / (columns + 1) - 1, child % (columns + 1) - 1};
}

int childOf(int row, int column, int columns) { return (row + 1) * (columns + 1) + column + 1; }

class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(QTableWidget* table, Place place) : table_(table), place_(place) {}

    [[nodiscard]] bool isValid() const override { return table_ != nullptr; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override {
        return table_ != nullptr ? table_->window()->windowHandle() : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(table_);
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override {
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override {
        return nullptr;
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }

    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || table_ == nullptr) {
            return {};
        }
        const QTableWidgetItem* item = this->item();
        if (item == nullptr) {
            return {};
        }
        const QString spoken = item->data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? item->text() : spoken;
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    [[nodiscard]] QRect rect() const override {
        if (table_ == nullptr) {
            return {};
        }
        QRect local;
        QWidget* over = table_->viewport();
        if (place_.row >= 0 && place_.column >= 0) {
            local = table_->visualItemRect(table_->item(place_.row, place_.column));
        } else if (place_.row < 0 && place_.column >= 0) {
            const QHeaderView* header = table_->horizontalHeader();
            over = table_->horizontalHeader()->viewport();
            local = QRect(header->sectionViewportPosition(place_.column), 0,
                          header->sectionSize(place_.column), header->height());
        } else if (place_.column < 0 && place_.row >= 0) {
            const QHeaderView* header = table_->verticalHeader();
            over = table_->verticalHeader()->viewport();
            local = QRect(0, header->sectionViewportPosition(place_.row), header->width(),
                          header->sectionSize(place_.row));
        }
        return local.isNull() ? QRect() : QRect(over->mapToGlobal(local.topLeft()), local.size());
    }

    [[nodiscard]] QAccessible::Role role() const override {
        if (place_.row < 0 && place_.column < 0) {
            return QAccessible::Pane;
        }
        if (place_.row < 0) {
            return QAccessible::ColumnHeader;
        }
        if (place_.column < 0) {
            return QAccessible::RowHeader;
        }
        return QAccessible::Cell;
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        if (table_ == nullptr || place_.row < 0 || place_.column < 0) {
            return state;
        }
        state.readOnly = true;
        state.focusable = true;
        state.selectable = true;
        state.selected = isSelected();
        state.focused = table_->hasFocus() && table_->currentRow() == place_.row &&
                        table_->currentColumn() == place_.column;
        state.invisible = table_->isRowHidden(place_.row) ||
                          table_->isColumnHidden(place_.column) || !table_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // The cell's place in the table, for screen readers that announce
    // headers as the focus moves.
    [[nodiscard]] bool isSelected() const override {
        const QTableWidgetItem* item = this->item();
        return item != nullptr && item->isSelected();
    }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {tableAccessible()->child(childOf(-1, place_.column, columns()))};
    }
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override {
        return {tableAccessible()->child(childOf(place_.row, -1, columns()))};
    }
    [[nodiscard]] int columnIndex() const override { return place_.column; }
    [[nodiscard]] int rowIndex() const override { return place_.row; }
    [[nodiscard]] int columnExtent() const override { return 1; }
    [[nodiscard]] int rowExtent() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* table() const override { return tableAccessible(); }

    void forget() { table_ = nullptr; }

private:
    [[nodiscard]] QAccessibleInterface* tableAccessible() const {
        return QAccessible::queryAccessibleInterface(table_);
    }
    [[nodiscard]] int columns() const { return table_ != nullptr ? table_->columnCount() : 0; }
    [[nodiscard]] QTableWidgetItem* item() const {
        if (table_ == nullptr) {
            return nullptr;
        }
        if (place_.row >= 0 && place_.column >= 0) {
            return table_->item(place_.row, place_.column);
        }
        if (place_.row < 0 && place_.column >= 0) {
            return table_->horizontalHeaderItem(place_.column);
        }
        if (place_.column < 0 && place_.row >= 0) {
            return table_->verticalHeaderItem(place_.row);
        }
        return nullptr;
    }

    QTableWidget* table_;
    Place place_;
};

class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(QTableWidget* table)
        : QAccessibleWidget(table, QAccessible::Table), table_(table) {}
    ~TableAccessible() override { forgetCells(); }
    TableAccessible(const TableAccessible&) = delete;
    TableAccessible& operator=(const TableAccessible&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] int childCount() const override {
        return (table_->rowCount() + 1) * (table_->columnCount() + 1);
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (shape_ != QSize(table_->columnCount(), table_->rowCount())) {
            forgetCells();
            shape_ = QSize(table_->columnCount(), table_->rowCount());
        }
        const auto found = cells_.find(index);
        if (found != cells_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* cell = new CellAccessible(table_, placeOf(index, table_->columnCount()));
        cells_[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : cells_) {
            if (QAccessible::accessibleInterface(id) == child) {
                return index;
            }
        }
        return -1;
    }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = table_->viewport()->mapFromGlobal(QPoint(x, y));
        const QTableWidgetItem* item = table_->itemAt(at);
        return item != nullptr ? cellAt(item->row(), item->column()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override {
        if (!table_->hasFocus() || table_->currentRow() < 0 || table_->currentColumn() < 0) {
            return nullptr;
        }
        return cellAt(table_->currentRow(), table_->currentColumn());
    }

    // QAccessibleTableInterface
    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override {
        return child(childOf(row, column, table_->columnCount()));
    }
    [[nodiscard]] int selectedCellCount() const override {
        return static_cast<int>(table_->selectedItems().size());
    }
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const QTableWidgetItem* item : table_->selectedItems()) {
            cells << cellAt(item->row(), item->column());
        }
        return cells;
    }
    [[nodiscard]] QString columnDescription(int column) const override {
        const QTableWidgetItem* item = table_->horizontalHeaderItem(column);
        return item != nullptr ? item->text() : QString();
    }
    [[nodiscard]] QString rowDescription(int row) const override {
        const QTableWidgetItem* item = table_->verticalHeaderItem(row);
        return item != nullptr ? item->text() : QString();
    }
    [[nodiscard]] int columnCount() const override { return table_->columnCount(); }
    [[nodiscard]] int rowCount() const override { return table_->rowCount(); }
    [[nodiscard]] int selectedColumnCount() const override { return 0; }
    [[nodiscard]] int selectedRowCount() const override {
        return static_cast<int>(selectedRows().size());
    }
    [[nodiscard]] QList<int> selectedColumns() const override { return {}; }
    [[nodiscard]] QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QTableWidgetItem* item : table_->selectedItems()) {
            if (!rows.contains(item->row())) {
                rows << item->row();
            }
        }
        return rows;
    }
    [[nodiscard]] bool isColumnSelected(int /*column*/) const override { return false; }
    [[nodiscard]] bool isRowSelected(int row) const override {
        return selectedRows().contains(row);
    }
    bool selectRow(int row) override {
        table_->selectRow(row);
        return true;
    }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override { forgetCells(); }

private:
    void forgetCells() const {
        for (const auto& [index, id] : cells_) {
            if (auto* cell = static_cast<CellAccessible*>(QAccessible::accessibleInterface(id))) {
                cell->forget();
            }
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

    QTableWidget* table_;
    mutable std::map<int, QAccessible::Id> cells_;
    mutable QSize shape_;
};

// A cell compared by the number it keeps, not by its text.
class KeyedItem final : public QTableWidgetItem {
public:
    KeyedItem(const QString& text, double key) : QTableWidgetItem(text), key_(key) {}

    bool operator<(const QTableWidgetItem& other) const override {
        const auto* keyed = dynamic_cast<const KeyedItem*>(&other);
        return keyed != nullptr ? key_ < keyed->key_ : QTableWidgetItem::operator<(other);
    }
    [[nodiscard]] QTableWidgetItem* clone() const override { return new KeyedItem(*this); }

private:
    double key_;
};

void setReadOnly(QTableWidgetItem* item, bool number) {
    item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

QAccessibleInterface* readOnlyTableAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ReadOnlyTable::staticMetaObject.className())) {
        if (auto* table = qobject_cast<QTableWidget*>(object)) {
            return new TableAccessible(table);
        }
    }
    return nullptr;
}

}  // namespace

ReadOnlyTable::ReadOnlyTable(QWidget* parent) : QTableWidget(parent) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(readOnlyTableAccessible); });
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table; the arrows walk it.
    setTabKeyNavigation(false);
    setWordWrap(false);
}

QTableWidgetItem* ReadOnlyTable::cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    setReadOnly(item, number);
    return item;
}

QTableWidgetItem* ReadOnlyTable::sortedCell(const QString& text, bool number, double key) {
    auto* item = new KeyedItem(text, key);
    setReadOnly(item, number);
    return item;
}

}  // namespace ondiscale
