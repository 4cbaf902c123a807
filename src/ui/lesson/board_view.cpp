#include "ui/lesson/board_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "ui/kit/qt_text.h"
#include "ui/lesson/board_painting.h"
#include "ui/lesson/lesson_texts.h"

namespace ondiscale {
namespace {

// The board's font against the window's, and how far the drawing may
// grow past it to fill the room.
constexpr qreal kFontScale = 1.2;
constexpr double kMostScale = 2.0;
// The room the view asks for, against the board's own size.
constexpr double kWantedScale = 1.25;

// A board with every part the drawing can have, to size the view.
Example sizingBoard() {
    Example board;
    // The cards dealt round the table one by one: three or four a suit.
    for (std::size_t i = 0; i < 52; ++i) {
        board.deal[i % 4][i / 4] = static_cast<Card>(kLowestCard + i);
    }
    board.tricks = TrickTable{};
    board.par = ParResult{-1100, "EW 7Nx-5"};
    board.board = BoardLabel{};
    return board;
}

}  // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(qtText(lesson_texts::kDiagramName));
    setAutoFillBackground(false);
    // The board takes what room the window has.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QFont BoardView::boardFont() const {
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * kFontScale);
    return f;
}

void BoardView::showBoard(const std::optional<Example>& board) {
    board_ = board;
    const QString spoken = board ? boardSpoken(*board) : qtText(lesson_texts::kNoBoard);
    setAccessibleDescription(spoken);
    setToolTip(QString());
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

QSize BoardView::sizeHint() const {
    const QSizeF size = boardSize(sizingBoard(), {boardFont(), true}, this) * kWantedScale;
    const int margin = fontMetrics().height();
    return {static_cast<int>(size.width()) + 2 * margin,
            static_cast<int>(size.height()) + 2 * margin};
}

QSize BoardView::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return {hint.width() / 2, hint.height() / 2};
}

void BoardView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (!board_) {
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, qtText(lesson_texts::kNoBoard));
        return;
    }
    const int margin = fontMetrics().height();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBoard(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), *board_,
               {boardFont(), true}, kMostScale, true);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            emit previousAsked();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            emit nextAsked();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace ondiscale
