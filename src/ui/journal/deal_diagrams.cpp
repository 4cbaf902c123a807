#include "ui/journal/deal_diagrams.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "engine/card_text.h"
#include "ui/journal/journal_texts.h"
#include "ui/kit/qt_text.h"

namespace ondiscale {
namespace {

namespace texts = journal_window_texts;

// One hand, a suit a line.
QString handHtml(const Hand& hand) {
    QStringList lines;
    for (const Suit suit : kSuits) {
        const SuitSign& s = signOf(suit);
        const QString sign = s.red ? QStringLiteral("<span style=\"color:#ff0000\">%1</span>")
                                         .arg(qtText(s.sign))
                                   : qtText(s.sign);
        lines << sign + QStringLiteral("&nbsp;") +
                     qtText(suitCardsText(hand, suit))
                         .toHtmlEscaped()
                         .replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    }
    return lines.join(QStringLiteral("<br>"));
}

// "Nord — Pique : As, Roi ; Cœur : …".
QString handSpoken(Seat seat, const Hand& hand) {
    QStringList suits;
    for (const Suit suit : kSuits) {
        suits << qtText(suitCardsSpoken(hand, suit));
    }
    return qtText(nameOf(seat)) + QStringLiteral(" — ") + suits.join(QStringLiteral(" ; "));
}

QFrame* diagram(const Deal& deal, int number) {
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("journalDeal%1").arg(number));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFocusPolicy(Qt::TabFocus);
    auto* grid = new QGridLayout(frame);
    // Where each seat sits: North above, West and East on either side,
    // South below.
    struct Place {
        Seat seat;
        int row, column;
    };
    constexpr std::array<Place, 4> kPlaces{{{Seat::North, 0, 1},
                                            {Seat::West, 1, 0},
                                            {Seat::East, 1, 2},
                                            {Seat::South, 2, 1}}};
    QStringList spoken;
    for (const Place& p : kPlaces) {
        auto* hand = new QLabel(handHtml(deal[index(p.seat)]));
        hand->setTextFormat(Qt::RichText);
        hand->setAccessibleName(handSpoken(p.seat, deal[index(p.seat)]));
        grid->addWidget(hand, p.row, p.column);
    }
    for (const Seat seat : kSeats) {
        spoken << handSpoken(seat, deal[index(seat)]);
    }
    auto* centre = new QLabel(QString::number(number));
    centre->setAlignment(Qt::AlignCenter);
    grid->addWidget(centre, 1, 1);
    frame->setAccessibleName(qtText(texts::kDealName).arg(number));
    frame->setAccessibleDescription(spoken.join(QStringLiteral(". ")));
    return frame;
}

}  // namespace

DealDiagrams::DealDiagrams(QWidget* parent) : QWidget(parent), row_(new QHBoxLayout(this)) {
    row_->setContentsMargins(0, 0, 0, 0);
}

void DealDiagrams::showEntry(const JournalEntry& entry, std::size_t most) {
    while (QLayoutItem* item = row_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int number = 0;
    for (const Example& example : entry.examples) {
        if (static_cast<std::size_t>(number) == most) {
            break;
        }
        row_->addWidget(diagram(example.deal, ++number));
    }
    row_->addStretch(1);
}

}  // namespace ondiscale
