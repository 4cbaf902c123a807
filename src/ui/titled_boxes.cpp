#include "ui/titled_boxes.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLayout>
#include <algorithm>

#include "ui/window_frame.h"

namespace ondiscale {
namespace {

// Window managers write titles in the system's title font, mostly bold.
QFont titleFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return font;
}

// Grows the box to the width its title needs, its height following the
// wrapped texts; true if it grew.
bool widenForTitle(QWidget& box) {
    const int width = widthForTitle(box);
    if (width <= box.width()) {
        return false;
    }
    const QLayout* layout = box.layout();
    const int height = layout != nullptr && layout->hasHeightForWidth()
                           ? std::max(layout->totalHeightForWidth(width), box.minimumHeight())
                           : box.height();
    if (box.minimumWidth() == box.maximumWidth()) {
        box.setFixedSize(width, height);
    } else {
        box.setMinimumWidth(width);
        box.resize(width, height);
    }
    return true;
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
        frame = frameOf(*parent->window());  // boxes get the frame of their window
    }
    return std::min(wanted, workArea(window).width() - frame.left() - frame.right());
}

void TitledMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);  // sizes the box for its texts
    if (widenForTitle(*this)) {
        adjustPosition(parentWidget());  // centred over the window again
    }
}

void TitledInputDialog::showEvent(QShowEvent* event) {
    QInputDialog::showEvent(event);
    if (widenForTitle(*this)) {
        adjustPosition(parentWidget());
    }
}

}  // namespace ondiscale
