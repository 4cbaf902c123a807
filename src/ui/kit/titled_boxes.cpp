#include "ui/kit/titled_boxes.h"

#include <QDialog>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <algorithm>

#include "ui/kit/window_frame.h"

namespace ondiscale {
namespace {

// Window managers write titles in the system's title font, mostly bold.
QFont titleFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

}  // namespace

int widthForTitle(const QWidget& window) {
    const QFontMetrics metrics(titleFont());
    // An icon and three buttons (minimise, maximise, close), each about a
    // title bar high, and margins.
    const int buttons = 5 * (metrics.height() + 6);
    const int wanted = metrics.horizontalAdvance(window.windowTitle()) + buttons;
    QMargins frame;
    if (QWidget* parent = window.parentWidget();
        parent != nullptr && parent->window()->isVisible()) {
        frame = frameOf(*parent->window());  // a box gets the frame of its window
    }
    return std::min(wanted, workArea(window).width() - frame.left() - frame.right());
}

void makeRoomForTitle(QDialog& box) {
    // Boxes size themselves from their layouts, a message box each time it
    // lays itself out: an empty strip as wide as the title, laid with the
    // last row so that the height stays.
    QLayout* layout = box.layout();
    if (layout == nullptr) {
        box.setMinimumWidth(widthForTitle(box));
        return;
    }
    const QMargins margins = layout->contentsMargins();
    auto* strip = new QSpacerItem(widthForTitle(box) - margins.left() - margins.right(), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        grid->addItem(strip, grid->rowCount() - 1, 0, 1, grid->columnCount());
    } else {
        layout->addItem(strip);
    }
}

bool TitledMessageBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);  // sizes the box, within Qt's cap
    if (event->type() != QEvent::Show && event->type() != QEvent::LayoutRequest) {
        return handled;
    }
    const int wanted = widthForTitle(*this);
    if (width() < wanted) {
        const QLayout* grid = layout();
        setFixedSize(wanted, grid != nullptr && grid->hasHeightForWidth()
                                 ? grid->totalHeightForWidth(wanted)
                                 : height());
    }
    if (event->type() == QEvent::Show && placement_) {
        placeFrame(*this, placement_);
    }
    return handled;
}

void PlacedInputDialog::showEvent(QShowEvent* event) {
    QInputDialog::showEvent(event);
    if (placement_) {
        placeFrame(*this, placement_);
    }
}

void placeFrame(QWidget& window, const FramePlacement::Rule& rule) {
    const QMargins frame = frameOf(window);
    const QPoint corner = rule(window.size().grownBy(frame), workArea(window));
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

}  // namespace ondiscale
