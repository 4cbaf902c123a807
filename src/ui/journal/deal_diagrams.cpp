#include "ui/journal/deal_diagrams.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

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
// the table printed beside a diagram, and what a screen reader says of it.
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

// "Donneur Ouest, tous vulnérables": the board's, as its PBN game has it.
QString boardText(Seat dealer, Vulnerability vulnerability) {
    return qtText(texts::kBoardDealer)
        .arg(qtText(nameOf(dealer)),
             qtText(texts::kVulnerability.at(static_cast<std::size_t>(vulnerability))));
}
QString boardText(int board) {
    return boardText(dealerOfBoard(board), vulnerabilityOfBoard(board));
}

QString parText(const ParResult& par) {
    return qtText(texts::kBoardPar)
        .arg((par.northSouthScore > 0 ? QStringLiteral("+") : QString()) +
                 QString::number(par.northSouthScore),
             qtText(parContractsText(par.contracts)));
}

QLabel* richLabel(const QString& html) {
    auto* label = new QLabel(html);
    label->setTextFormat(Qt::RichText);
    return label;
}

QFrame* diagram(const Example& example, int number) {
    const Deal& deal = example.deal;
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("journalDeal%1").arg(number));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFocusPolicy(Qt::TabFocus);
    frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* grid = new QGridLayout(frame);
    // Where each seat sits: North above, West and East on either side,
    // South below; the deal's number in the corner before North.
    struct Place {
        Seat seat;
        int row, column;
    };
    constexpr std::array<Place, 4> kPlaces{
        {{Seat::North, 0, 1}, {Seat::West, 1, 0}, {Seat::East, 1, 2}, {Seat::South, 2, 1}}};
    QStringList spoken;
    for (const Place& p : kPlaces) {
        QLabel* hand = richLabel(handHtml(deal[index(p.seat)]));
        hand->setAccessibleName(handSpoken(p.seat, deal[index(p.seat)]));
        grid->addWidget(hand, p.row, p.column, Qt::AlignLeft | Qt::AlignTop);
    }
    for (const Seat seat : kSeats) {
        spoken << handSpoken(seat, deal[index(seat)]);
    }
    // The deal's number and board in the corner above West; its tricks
    // and par beside the diagram, or in the corners around South where
    // the width is short (placeTricks).
    // A lesson's board shows its own number, dealer and vulnerability; an
    // analysed deal those of its place in the 16-board rotation.
    const int shown = example.board ? example.board->number : number;
    const QString board = example.board
                              ? boardText(example.board->dealer, example.board->vulnerability)
                          : example.par ? boardText(number)
                                        : QString();
    QString corner = QStringLiteral("<b>%1</b>").arg(qtText(texts::kDealName).arg(shown));
    if (!board.isEmpty()) {
        corner += QStringLiteral("<br>") + board.toHtmlEscaped();
    }
    QLabel* name = richLabel(corner);
    name->setWordWrap(true);
    grid->addWidget(name, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    // The corners' texts as narrow as a long hand, so that the diagram
    // stays a square of hands.
    const int narrow = name->fontMetrics().horizontalAdvance(QStringLiteral("♠ A R D V 10 9 8"));
    name->setFixedWidth(narrow);
    name->setMinimumHeight(name->heightForWidth(narrow));
    if (example.tricks) {
        QLabel* tricks = richLabel(tricksHtml(*example.tricks));
        tricks->setObjectName(QStringLiteral("journalTricks%1").arg(number));
        tricks->setAccessibleName(tricksSpoken(*example.tricks));
        grid->addWidget(tricks, 0, 3, 2, 1, Qt::AlignLeft | Qt::AlignTop);
        spoken << tricksSpoken(*example.tricks);
        if (example.par) {
            auto* par = new QLabel(parText(*example.par));
            par->setObjectName(QStringLiteral("journalPar%1").arg(number));
            par->setWordWrap(true);
            // Wrapped within that width, with the height its lines take.
            par->setFixedWidth(narrow);
            par->setMinimumHeight(par->heightForWidth(narrow));
            grid->addWidget(par, 2, 3, Qt::AlignLeft | Qt::AlignTop);
            spoken << board + QStringLiteral(", ") + parText(*example.par);
        }
    }
    frame->setAccessibleName(qtText(texts::kDealName).arg(shown));
    frame->setAccessibleDescription(spoken.join(QStringLiteral(". ")));
    return frame;
}

// An analysed deal's tricks and par beside its diagram, or in the corners
// around South: below West the par, beside South the tricks.
void placeTricks(QFrame& frame, bool beside) {
    auto* grid = qobject_cast<QGridLayout*>(frame.layout());
    QLabel* tricks = nullptr;
    QLabel* par = nullptr;
    for (QLabel* label : frame.findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QStringLiteral("journalTricks"))) {
            tricks = label;
        } else if (label->objectName().startsWith(QStringLiteral("journalPar"))) {
            par = label;
        }
    }
    if (grid == nullptr || tricks == nullptr) {
        return;
    }
    grid->removeWidget(tricks);
    grid->addWidget(tricks, beside ? 0 : 2, beside ? 3 : 2, beside ? 2 : 1, 1,
                    Qt::AlignLeft | Qt::AlignTop);
    if (par != nullptr) {
        grid->removeWidget(par);
        grid->addWidget(par, 2, beside ? 3 : 0, Qt::AlignLeft | Qt::AlignTop);
    }
    grid->invalidate();
    grid->activate();
}

bool sameDeals(const std::vector<Example>& a, const std::vector<Example>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Example& x, const Example& y) {
                          return x.deal == y.deal && x.tricks == y.tricks &&
                                 x.par.has_value() == y.par.has_value() && x.board == y.board;
                      });
}

}  // namespace

DealDiagrams::DealDiagrams(QWidget* parent)
    : QWidget(parent),
      row_(new QHBoxLayout),
      previous_(new QPushButton(qtText(texts::kPreviousDeal))),
      place_(new QLabel),
      next_(new QPushButton(qtText(texts::kNextDeal))) {
    previous_->setObjectName(QStringLiteral("journalDealPrevious"));
    next_->setObjectName(QStringLiteral("journalDealNext"));
    place_->setObjectName(QStringLiteral("journalDealPlace"));
    for (QPushButton* button : {previous_, next_}) {
        button->setAutoDefault(false);
    }
    row_->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(place_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row_);
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(previous_, &QPushButton::clicked, this, [this] { showFrom(first_ - perPage_); });
    connect(next_, &QPushButton::clicked, this, [this] { showFrom(first_ + perPage_); });
}

void DealDiagrams::showEntry(const JournalEntry& entry, std::size_t most) {
    std::vector<Example> deals(entry.examples.begin(),
                               entry.examples.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(most, entry.examples.size())));
    if (!frames_.empty() && sameDeals(deals, shown_)) {
        return;
    }
    for (QFrame* frame : frames_) {
        delete frame;
    }
    frames_.clear();
    shown_ = std::move(deals);
    QWidget* previous = this;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        QFrame* frame = diagram(shown_[i], static_cast<int>(i) + 1);
        frame->installEventFilter(this);
        row_->insertWidget(static_cast<int>(i), frame);
        frames_.push_back(frame);
        setTabOrder(previous, frame);
        previous = frame;
    }
    if (previous != this) {
        setTabOrder(previous, previous_);
        setTabOrder(previous_, next_);
    }
    measure();
    first_ = 0;
    updateGeometry();
    arrange();
    emit sizeChanged();
}

void DealDiagrams::measure() {
    // Each way, once the fonts the deals are drawn with are known.
    for (const bool beside : {false, true}) {
        QSize size;
        for (QFrame* frame : frames_) {
            frame->ensurePolished();
            placeTricks(*frame, beside);
            size = size.expandedTo(frame->sizeHint());
        }
        (beside ? besideSize_ : cornerSize_) = size;
    }
    beside_ = true;
}

QSize DealDiagrams::frameSize() const { return beside_ ? besideSize_ : cornerSize_; }

int DealDiagrams::heightFor(int width) const {
    const QSize frame = width >= besideSize_.width() ? besideSize_ : cornerSize_;
    return frame.height() + layout()->spacing() + previous_->sizeHint().height();
}

QSize DealDiagrams::minimumSizeHint() const {
    const QSize buttons = previous_->sizeHint();
    const int spacing = layout()->spacing();
    return {
        std::max(cornerSize_.width(), 2 * buttons.width() + place_->sizeHint().width() + spacing),
        cornerSize_.height() + spacing + buttons.height()};
}

QSize DealDiagrams::sizeHint() const {
    const QSize least = minimumSizeHint();
    const auto count = static_cast<int>(frames_.size());
    return {std::max(least.width(),
                     count * frameSize().width() + std::max(count - 1, 0) * row_->spacing()),
            least.height()};
}

void DealDiagrams::showFrom(int first) {
    const auto count = static_cast<int>(frames_.size());
    first_ = std::clamp(first, 0, std::max(0, count - perPage_));
    arrange();
}

void DealDiagrams::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void DealDiagrams::arrange() {
    // The tricks beside the diagrams where one fits so.
    const bool beside = width() >= besideSize_.width();
    if (beside != beside_) {
        beside_ = beside;
        for (QFrame* frame : frames_) {
            placeTricks(*frame, beside);
        }
    }
    const auto count = static_cast<int>(frames_.size());
    const int pitch = frameSize().width() + row_->spacing();
    perPage_ =
        std::clamp(pitch > 0 ? (width() + row_->spacing()) / pitch : 1, 1, std::max(count, 1));
    first_ = std::clamp(first_, 0, std::max(0, count - perPage_));
    for (int i = 0; i < count; ++i) {
        frames_[static_cast<std::size_t>(i)]->setVisible(i >= first_ && i < first_ + perPage_);
    }
    const bool paging = perPage_ < count;
    previous_->setVisible(paging);
    next_->setVisible(paging);
    place_->setVisible(paging);
    previous_->setEnabled(first_ > 0);
    next_->setEnabled(first_ + perPage_ < count);
    const int last = std::min(first_ + perPage_, count);
    place_->setText(perPage_ == 1
                        ? qtText(texts::kDealsPlace).arg(first_ + 1).arg(count)
                        : qtText(texts::kDealsPlaceMany).arg(first_ + 1).arg(last).arg(count));
}

// The arrows on a deal go to the one beside it, turning the page where
// it is not shown.
bool DealDiagrams::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int step = key->key() == Qt::Key_Right ? 1 : key->key() == Qt::Key_Left ? -1 : 0;
    const auto found = std::find(frames_.begin(), frames_.end(), watched);
    if (step == 0 || key->modifiers() != Qt::NoModifier || found == frames_.end()) {
        return QWidget::eventFilter(watched, event);
    }
    const auto at = static_cast<int>(found - frames_.begin()) + step;
    if (at < 0 || at >= static_cast<int>(frames_.size())) {
        return true;
    }
    if (at < first_ || at >= first_ + perPage_) {
        showFrom(step > 0 ? at - perPage_ + 1 : at);
    }
    frames_[static_cast<std::size_t>(at)]->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace ondiscale
