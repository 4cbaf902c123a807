#include "ui/kit/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace ondiscale {

FlowLayout::FlowLayout(QWidget* parent, Qt::Alignment side) : QLayout(parent), side_(side) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

int FlowLayout::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* FlowLayout::itemAt(int index) const { return items_.value(index); }

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const { return {}; }

bool FlowLayout::hasHeightForWidth() const { return true; }

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

// As wide as the widest item: narrower, an item would be cut.
QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        size = size.expandedTo(item->minimumSize());
    }
    const QMargins m = contentsMargins();
    return size.grownBy(m);
}

// Everything on one line.
QSize FlowLayout::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        width += item->sizeHint().width() + (width > 0 ? spacing() : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return QSize(width, height).grownBy(m);
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    static_cast<void>(arrange(rect, true));  // the height is not wanted here
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(spacing(), 0);
    // The items line by line, each line to its side, each item centred on
    // its line's height.
    QList<QList<QLayoutItem*>> lines(1);
    int used = 0;
    for (QLayoutItem* item : items_) {
        const int width = item->sizeHint().width();
        if (!lines.back().isEmpty() && used + gap + width > area.width()) {
            lines.append(QList<QLayoutItem*>());
            used = 0;
        }
        used += (lines.back().isEmpty() ? 0 : gap) + width;
        lines.back().append(item);
    }
    int y = area.y();
    for (const QList<QLayoutItem*>& line : lines) {
        int width = 0;
        int height = 0;
        for (const QLayoutItem* item : line) {
            width += item->sizeHint().width() + (width > 0 ? gap : 0);
            height = std::max(height, item->sizeHint().height());
        }
        int x = (side_ & Qt::AlignLeft) != 0 ? area.x() : area.right() + 1 - width;
        for (QLayoutItem* item : line) {
            if (apply) {
                const QSize size = item->sizeHint();
                item->setGeometry(
                    QRect(QPoint(std::max(x, area.x()), y + (height - size.height()) / 2), size));
            }
            x += item->sizeHint().width() + gap;
        }
        y += height + gap;
    }
    return y - gap - area.y() + contentsMargins().top() + contentsMargins().bottom();
}

}  // namespace ondiscale
