#include "ui/kit/fitting_scroll.h"

#include <QScrollBar>

namespace ondiscale {

FittingScroll::FittingScroll(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

QSize FittingScroll::sizeHint() const {
    const QSize content = widget() != nullptr ? widget()->sizeHint() : QSize();
    const int frame = 2 * frameWidth();
    return content + QSize(frame, frame);
}

QSize FittingScroll::minimumSizeHint() const {
    // Room for the scroll bars and a few lines.
    const int line = fontMetrics().height();
    return {verticalScrollBar()->sizeHint().width() + 8 * line,
            horizontalScrollBar()->sizeHint().height() + 4 * line};
}

}  // namespace ondiscale
