#include "ui/kit/vertical_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ondiscale {

void VerticalButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QString caption = text();
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int top = (height() - lineHeight * static_cast<int>(caption.size())) / 2;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (qsizetype i = 0; i < caption.size(); ++i) {
        painter.drawText(QRect(0, top + lineHeight * static_cast<int>(i), width(), lineHeight),
                         Qt::AlignCenter, caption.at(i));
    }
}

}  // namespace ondiscale
