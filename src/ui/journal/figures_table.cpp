#include "ui/journal/figures_table.h"

#include <QHeaderView>
#include <QScrollBar>

#include "dialogue/number_text.h"
#include "journal/journal_text.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

QTableWidgetItem* cell(const QString& value) {
    auto* item = new QTableWidgetItem(value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

FiguresTable::FiguresTable(QWidget* parent) : QTableWidget(0, 5, parent) {
    setHorizontalHeaderLabels({qtText(texts::kHits), qtText(texts::kEstimate),
                               qtText(texts::kMargin), qtText(texts::kExactColumn),
                               qtText(texts::kGap)});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FiguresTable::showEntry(const JournalEntry& entry, std::string_view decimalSeparator) {
    const auto rows = static_cast<int>(entry.figures.size());
    setRowCount(rows);
    QStringList names;
    const bool dealt = entry.deals > 0;
    const QString none = QStringLiteral("—");
    const auto percent = [&](double value) {
        return qtText(percentText(value, decimalSeparator) + " %");
    };
    for (int r = 0; r < rows; ++r) {
        const Figure& f = entry.figures[static_cast<std::size_t>(r)];
        const FigureStats s = statsOf(f, entry.deals);
        names << qtText(f.name);
        setItem(r, 0, cell(qtText(wholeText(f.hits))));
        setItem(r, 1, cell(dealt ? percent(s.estimate) : none));
        setItem(r, 2, cell(dealt ? QStringLiteral("± ") + percent(s.margin) : none));
        setItem(r, 3, cell(s.exact ? percent(*s.exact) : none));
        setItem(r, 4, cell(dealt && s.gap ? qtText(gapText(*s.gap, decimalSeparator)) : none));
    }
    setVerticalHeaderLabels(names);
    resizeColumnsToContents();
    resizeRowsToContents();
    fitHeight();
}

void FiguresTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    fitHeight();
}

void FiguresTable::fitHeight() {
    const QHeaderView* across = horizontalHeader();
    const QHeaderView* down = verticalHeader();
    const int frame = 2 * frameWidth();
    const bool scrolls = width() < down->sizeHint().width() + across->length() + frame;
    const int scrollBar = scrolls ? horizontalScrollBar()->sizeHint().height() : 0;
    setFixedHeight(across->sizeHint().height() + down->length() + frame + scrollBar);
}

}  // namespace ondiscale
