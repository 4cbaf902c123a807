#include "ui/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace ondiscale {

MenuKeys::MenuKeys(QWidget& main, std::vector<QAction*> entries)
    : QObject(&main), main_(main), entries_(std::move(entries)) {
    QApplication::instance()->installEventFilter(this);
}

// A key press reaches a widget only when no shortcut of its window took
// it: here Alt and a letter would type the letter into a box.
bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
    // Alt, with Shift or without; not AltGr, which types characters.
    if ((held & ~Qt::ShiftModifier) != Qt::AltModifier || key->text().isEmpty() ||
        !key->text().front().isPrint()) {
        return false;
    }
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->window() != &main_ && QApplication::activeModalWidget() == nullptr) {
        const QKeySequence pressed(static_cast<int>(Qt::ALT) | key->key());
        for (QAction* entry : entries_) {
            if (QKeySequence::mnemonic(entry->text()) == pressed && entry->isEnabled()) {
                entry->trigger();
                break;
            }
        }
    }
    return true;
}

}  // namespace ondiscale
