#include "ui/journal/example_hands.h"

#include <QHeaderView>

#include "engine/card_text.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {

namespace texts = journal_window_texts;

ExampleHands::ExampleHands(QWidget* parent) : ReadOnlyTable(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
}

void ExampleHands::showEntry(const JournalEntry& entry) {
    const bool named = entry.kind == RunKind::Survey;
    const int first = named ? 1 : 0;
    clear();
    setColumnCount(first + static_cast<int>(kSuits.size()));
    setRowCount(static_cast<int>(entry.examples.size()));
    if (named) {
        auto* heading = new QTableWidgetItem(qtText(texts::kDistribution));
        setHorizontalHeaderItem(0, heading);
    }
    const QColor red(255, 0, 0);
    for (const Suit suit : kSuits) {
        const SuitSign& s = signOf(suit);
        auto* heading = new QTableWidgetItem(qtText(s.sign));
        heading->setData(Qt::AccessibleTextRole, qtText(s.name));
        if (s.red) {
            heading->setForeground(red);
        }
        setHorizontalHeaderItem(first + static_cast<int>(index(suit)), heading);
    }
    for (int row = 0; row < rowCount(); ++row) {
        const Example& example = entry.examples[static_cast<std::size_t>(row)];
        const Hand& hand = example.deal[index(Seat::South)];
        if (named) {
            setItem(row, 0, cell(qtText(example.figure), false));
        }
        for (const Suit suit : kSuits) {
            QTableWidgetItem* item = cell(qtText(suitCardsText(hand, suit)), false);
            item->setData(Qt::AccessibleTextRole, qtText(suitCardsSpoken(hand, suit)));
            setItem(row, first + static_cast<int>(index(suit)), item);
        }
    }
    resizeColumnsToContents();
    resizeRowsToContents();
}

}  // namespace ondiscale

namespace ondiscale {

QSize ExampleHands::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {ReadOnlyTable::sizeHint().width(),
            horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame};
}

}  // namespace ondiscale
