#include "ui/journal/figures_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "ui/journal/journal_texts.h"
#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// The widest the figures' names take, in twips.
constexpr int kLongestName = 3600;

struct Column {
    const char* heading;
    const char* tip;
    std::string FigureTexts::*text;
};
constexpr std::array<Column, 5> kColumns{{
    {texts::kHits, texts::kHitsTip, &FigureTexts::hits},
    {texts::kEstimate, texts::kEstimateTip, &FigureTexts::estimate},
    {texts::kInterval, texts::kIntervalTip, &FigureTexts::interval},
    {texts::kExactColumn, texts::kExactTip, &FigureTexts::exact},
    {texts::kGap, texts::kGapTip, &FigureTexts::gap},
}};

// Sets a cell's text, and its spoken text, only where they change.
void setCell(QTableWidget& table, int row, int column, const QString& text, const QString& note) {
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr) {
        item = ReadOnlyTable::cell(text, true);
        table.setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
    if (item->toolTip() != note) {
        item->setToolTip(note);
        item->setData(Qt::AccessibleTextRole, note.isEmpty() ? QVariant() : QVariant(note));
    }
}

}  // namespace

FiguresTable::FiguresTable(QWidget* parent) : ReadOnlyTable(parent) {
    setColumnCount(static_cast<int>(kColumns.size()));
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        auto* heading = new QTableWidgetItem(qtText(kColumns[c].heading));
        heading->setToolTip(qtText(kColumns[c].tip));
        setHorizontalHeaderItem(static_cast<int>(c), heading);
    }
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Widths and heights set by the table itself, never measured again by
    // the headers at each change.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + fontMetrics().height() / 2);
    // The names leave room for the figures: a long one is cut short.
    verticalHeader()->setMaximumWidth(Twips(*this).px(kLongestName));
    verticalHeader()->setTextElideMode(Qt::ElideRight);
    keepClear(*this);
}

void FiguresTable::showRows(const std::vector<FigureRow>& rows) {
    const auto count = static_cast<int>(rows.size());
    if (rowCount() != count) {
        setRowCount(count);
    }
    std::array<bool, kColumns.size()> empty{};
    empty.fill(true);
    for (int r = 0; r < count; ++r) {
        const FigureRow& row = rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* heading = verticalHeaderItem(r);
        if (heading == nullptr) {
            heading = new QTableWidgetItem(row.name);
            setVerticalHeaderItem(r, heading);
        } else if (heading->text() != row.name) {
            heading->setText(row.name);
        }
        // A long name is cut in the table, whole in its tooltip.
        heading->setToolTip(row.name);
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const QString text = qtText(row.texts.*kColumns[c].text);
            empty[c] = empty[c] && text == qtText(journal_texts::kNone);
            // The exact value carries why there is none.
            setCell(*this, r, static_cast<int>(c), text, c == 3 ? row.note : QString());
        }
    }
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        setColumnHidden(static_cast<int>(c), count > 0 && empty[c]);
    }
    fitColumns();
}

void FiguresTable::fitColumns() {
    const QFontMetrics cells(font());
    const QFontMetrics headings(horizontalHeader()->font());
    // Room for the cell's margins and the header's sort sign.
    const int padding = 2 * cells.horizontalAdvance(QLatin1Char('0'));
    bool changed = false;
    widths_.resize(static_cast<std::size_t>(columnCount()));
    for (int c = 0; c < columnCount(); ++c) {
        int widest = 0;
        for (const QString& line : horizontalHeaderItem(c)->text().split(u'\n')) {
            widest = std::max(widest, headings.horizontalAdvance(line));
        }
        for (int r = 0; r < rowCount(); ++r) {
            if (const QTableWidgetItem* cell = item(r, c)) {
                widest = std::max(widest, cells.horizontalAdvance(cell->text()));
            }
        }
        const int width = widest + padding;
        if (widths_[static_cast<std::size_t>(c)] != width) {
            widths_[static_cast<std::size_t>(c)] = width;
            setColumnWidth(c, width);
            changed = true;
        }
    }
    const int lines = 2;  // the headings' two lines
    horizontalHeader()->setMinimumHeight(lines * headings.height() + headings.height() / 2);
    if (changed) {
        updateGeometry();
    }
}

// The headings' two lines set the header's least height, which its size
// hint does not count.
int FiguresTable::headerHeight() const {
    return std::max(horizontalHeader()->sizeHint().height(), horizontalHeader()->minimumHeight());
}

QSize FiguresTable::sizeHint() const {
    const int frame = 2 * frameWidth();
    int columns = 0;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        columns += isColumnHidden(static_cast<int>(c)) ? 0 : widths_[c];
    }
    const int wide = verticalHeader()->sizeHint().width() + columns + frame;
    const int tall = headerHeight() + verticalHeader()->length() + frame;
    return {wide, tall};
}

// The header and one row; the rest scrolls.
QSize FiguresTable::minimumSizeHint() const {
    const int frame = 2 * frameWidth();
    const int row = verticalHeader()->defaultSectionSize();
    return {ReadOnlyTable::minimumSizeHint().width(),
            headerHeight() + row + frame + horizontalScrollBar()->sizeHint().height()};
}

}  // namespace ondiscale
