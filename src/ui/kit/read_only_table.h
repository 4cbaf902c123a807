#pragma once

#include <QTableWidget>

namespace ondiscale {

// A table of figures to read: the arrows walk its cells, Tab leaves it,
// nothing in it can be edited. Screen readers hear each cell's
// accessible text (Qt::AccessibleTextRole) where it has one, else its
// text, with its headers, and are offered no action on a cell: there is
// nothing to do there but read.
class ReadOnlyTable : public QTableWidget {
    Q_OBJECT

public:
    explicit ReadOnlyTable(QWidget* parent = nullptr);

    // A cell that can be selected but not edited, its text right-aligned
    // when it is a number.
    static QTableWidgetItem* cell(const QString& text, bool number);

    // The same, sorted by `key` rather than by its text when the table is
    // sorted by its column: "9,41 %" comes before "17,54 %", and a text
    // column can keep an order of its own.
    static QTableWidgetItem* sortedCell(const QString& text, bool number, double key);
};

}  // namespace ondiscale
