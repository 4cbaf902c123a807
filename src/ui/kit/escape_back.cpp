#include "ui/kit/escape_back.h"

#include <QKeyEvent>
#include <QWidget>

namespace ondiscale {

bool escapeBackToParent(QWidget& window, const QKeyEvent& event) {
    QWidget* parent = window.parentWidget();
    if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier || parent == nullptr) {
        return false;
    }
    parent->raise();
    parent->activateWindow();
    return true;
}

}  // namespace ondiscale
