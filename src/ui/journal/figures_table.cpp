#include "ui/journal/figures_table.h"

#include <QHeaderView>
#include <QScrollBar>

#include "ui/journal/journal_texts.h"
#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

}  // namespace

FiguresTable::FiguresTable(QWidget* parent) : ReadOnlyTable(parent) {
    setColumnCount(5);
    setHorizontalHeaderLabels({qtText(texts::kHits), qtText(texts::kEstimate),
                               qtText(texts::kInterval), qtText(texts::kExactColumn),
                               qtText(texts::kGap)});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns as wide as their contents, the last one taking what is
    // left, so that no strip stays empty on the right.
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    keepClear(*this);
}

void FiguresTable::showEntry(const JournalEntry& entry, const std::vector<FigureTexts>& texts) {
    const auto rows = static_cast<int>(entry.figures.size());
    setRowCount(rows);
    QStringList names;
    for (int r = 0; r < rows; ++r) {
        const Figure& figure = entry.figures[static_cast<std::size_t>(r)];
        const FigureTexts& t = texts[static_cast<std::size_t>(r)];
        names << qtText(figure.name);
        setItem(r, 0, cell(qtText(t.hits), true));
        setItem(r, 1, cell(qtText(t.estimate), true));
        setItem(r, 2, cell(qtText(t.interval), true));
        QTableWidgetItem* exact = cell(qtText(t.exact), true);
        if (!figure.note.empty()) {
            exact->setToolTip(qtText(figure.note));
            exact->setData(Qt::AccessibleTextRole, qtText(figure.note));
        }
        setItem(r, 3, exact);
        setItem(r, 4, cell(qtText(t.gap), true));
    }
    setVerticalHeaderLabels(names);
    resizeRowsToContents();
    updateGeometry();
}

QSize FiguresTable::sizeHint() const {
    const int frame = 2 * frameWidth();
    const int wide = verticalHeader()->sizeHint().width() + horizontalHeader()->length() + frame;
    const int tall = horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame;
    return {wide, tall};
}

// The header and one row; the rest scrolls.
QSize FiguresTable::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    const int row = rowCount() > 0 ? rowHeight(0) : verticalHeader()->defaultSectionSize();
    return {ReadOnlyTable::minimumSizeHint().width(),
            horizontalHeader()->sizeHint().height() + row + frame +
                horizontalScrollBar()->sizeHint().height()};
}

}  // namespace ondiscale
