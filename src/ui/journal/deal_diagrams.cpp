#include "ui/journal/deal_diagrams.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "doubledummy/strain.h"
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
        const QString sign =
            s.red ? QStringLiteral("<span style=\"color:#ff0000\">%1</span>").arg(qtText(s.sign))
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

// The tricks each declarer takes at double dummy, a strain a line:
// the table printed under a diagram, and what a screen reader says of it.
QString tricksHtml(const TrickTable& table) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\"><tr><td></td>");
    for (const Seat seat : kSeats) {
        html +=
            QStringLiteral("<td align=\"right\">&nbsp;%1</td>").arg(qtText(nameOf(seat)).left(1));
    }
    html += QStringLiteral("</tr>");
    for (const Strain strain : kStrains) {
        const bool red = strain == Strain::Hearts || strain == Strain::Diamonds;
        html += QStringLiteral("<tr><td>%1</td>")
                    .arg(red ? QStringLiteral("<span style=\"color:#ff0000\">%1</span>")
                                   .arg(qtText(strainText(strain)))
                             : qtText(strainText(strain)));
        for (const Seat seat : kSeats) {
            html += QStringLiteral("<td align=\"right\">&nbsp;%1</td>").arg(table.of(strain, seat));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString tricksSpoken(const TrickTable& table) {
    QStringList strains;
    for (const Strain strain : kStrains) {
        QStringList seats;
        for (const Seat seat : kSeats) {
            seats << QStringLiteral("%1 %2").arg(qtText(nameOf(seat))).arg(table.of(strain, seat));
        }
        const QString name = strain == Strain::NoTrump
                                 ? qtText(texts::kNoTrumpSpoken)
                                 : qtText(signOf(kSuits.at(index(strain) - 1)).name);
        strains << name + QStringLiteral(" : ") + seats.join(QStringLiteral(", "));
    }
    return qtText(texts::kTricksSpoken) + strains.join(QStringLiteral(" ; "));
}

QFrame* diagram(const Example& example, int number) {
    const Deal& deal = example.deal;
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
    constexpr std::array<Place, 4> kPlaces{
        {{Seat::North, 0, 1}, {Seat::West, 1, 0}, {Seat::East, 1, 2}, {Seat::South, 2, 1}}};
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
    // A lesson's board shows its own number.
    auto* centre = new QLabel(QString::number(example.board ? example.board->number : number));
    centre->setAlignment(Qt::AlignCenter);
    grid->addWidget(centre, 1, 1);
    if (example.tricks) {
        auto* tricks = new QLabel(tricksHtml(*example.tricks));
        tricks->setObjectName(QStringLiteral("journalTricks%1").arg(number));
        tricks->setTextFormat(Qt::RichText);
        tricks->setAccessibleName(tricksSpoken(*example.tricks));
        grid->addWidget(tricks, 3, 0, 1, 3, Qt::AlignHCenter);
        spoken << tricksSpoken(*example.tricks);
    }
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
        row_->addWidget(diagram(example, ++number));
    }
    row_->addStretch(1);
}

}  // namespace ondiscale
