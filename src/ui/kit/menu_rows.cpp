#include "ui/kit/menu_rows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <QVBoxLayout>
#include <algorithm>

namespace ondiscale {
namespace {

// Alt pressed alone: what a menu bar watches its window for.
bool isLoneAlt(const QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta) &&
           key->modifiers() == Qt::AltModifier;
}

// -1 to the left, +1 to the right, 0 for any other key. A menu bar also
// takes Tab and Backtab for Right and Left; an open submenu does not.
int step(const QKeyEvent& key, bool tabs) {
    switch (key.key()) {
        case Qt::Key_Left:
            return -1;
        case Qt::Key_Right:
            return 1;
        case Qt::Key_Backtab:
            return tabs ? -1 : 0;
        case Qt::Key_Tab:
            return tabs ? 1 : 0;
        default:
            return 0;
    }
}

// The letter after the first single ampersand, upper case; null if none.
QChar mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

bool submenuOpen(const QMenuBar& row) {
    const QAction* entry = row.activeAction();
    return entry != nullptr && entry->menu() != nullptr && entry->menu()->isVisible();
}

}  // namespace

MenuRow::MenuRow(MenuRows& rows, QWidget* parent) : QMenuBar(parent), rows_(rows) {}

bool MenuRow::eventFilter(QObject* watched, QEvent* event) {
    // Every row watches the window for a lone Alt; one row only answers it.
    if (isLoneAlt(event) && !rows_.answersAlt(this)) {
        return false;
    }
    return QMenuBar::eventFilter(watched, event);
}

void MenuRow::press(int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QMenuBar::keyPressEvent(&event);
}

void MenuRow::enterKeyboardMode(QAction* entry, bool open) {
    // A lone Alt, as the row sees it: it takes the focus and highlights its
    // first entry; then Right up to `entry`, and Down opens its submenu.
    // (A key event of Alt itself reports the Alt modifier toggled.)
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QMenuBar::eventFilter(window(), &altDown);
    QMenuBar::eventFilter(window(), &altUp);
    for (qsizetype n = actions().size(); n > 0 && activeAction() != entry; --n) {
        press(Qt::Key_Right);
    }
    if (open && entry->menu() != nullptr) {
        press(Qt::Key_Down);
    } else if (open) {
        setActiveAction(entry);  // pressed, so that the next entry opens in turn
    }
}

bool MenuRow::pressed() const {
    // A menu bar draws its highlighted entry sunken while it opens menus.
    QStyleOptionMenuItem option;
    QMenuBar::initStyleOption(&option, activeAction());
    return (option.state & QStyle::State_Sunken) != 0;
}

void MenuRow::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    // Some styles (Fusion) highlight only a pressed entry: in keyboard mode
    // the entry the arrows reached must show too.
    if (hasFocus() && action != nullptr && action == activeAction()) {
        option->state |= QStyle::State_Selected | QStyle::State_Sunken;
    }
}

void MenuRow::leaveKeyboardMode() {
    if (submenuOpen(*this)) {
        // Escape in a submenu closes it and leaves its entry highlighted.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(activeAction()->menu(), &escape);
    }
    press(Qt::Key_Escape);
    rows_.restoreFocus();
}

void MenuRow::keyPressEvent(QKeyEvent* event) {
    const int direction = step(*event, true);
    if (direction != 0 && activeAction() != nullptr &&
        rows_.stepAcrossRows(activeAction(), direction, pressed())) {
        return;
    }
    if (!submenuOpen(*this) && rows_.openByMnemonic(this, *event)) {
        return;
    }
    QMenuBar::keyPressEvent(event);
}

MenuRows::MenuRows(int width, QString firstName, QString moreName, QWidget* parent)
    : QWidget(parent),
      width_(width),
      firstName_(std::move(firstName)),
      moreName_(std::move(moreName)) {
    setObjectName(QStringLiteral("menuRows"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Where the focus goes back to when the keyboard leaves the menus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now != nullptr && now->window() == window() && !isAncestorOf(now)) {
            home_ = now;
        }
    });
}

QAction* MenuRows::addAction(const QString& text) { return addEntry(new QAction(text, this)); }

QAction* MenuRows::addMenu(QMenu* menu) {
    menu->installEventFilter(this);  // Left and Right from the open submenu
    return addEntry(menu->menuAction());
}

QAction* MenuRows::addEntry(QAction* entry) {
    MenuRow* row = rows_.empty() ? newRow() : rows_.back();
    row->addAction(entry);
    if (row->actions().size() > 1 && row->sizeHint().width() > width_) {
        row->removeAction(entry);
        newRow()->addAction(entry);
    }
    return entry;
}

MenuRow* MenuRows::newRow() {
    auto* row = new MenuRow(*this, this);
    row->setAccessibleName(rows_.empty() ? firstName_ : moreName_);
    layout()->addWidget(row);
    rows_.push_back(row);
    return row;
}

std::vector<QAction*> MenuRows::entries() const {
    std::vector<QAction*> all;
    for (const MenuRow* row : rows_) {
        for (QAction* entry : row->actions()) {
            if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator()) {
                all.push_back(entry);
            }
        }
    }
    return all;
}

MenuRow* MenuRows::rowOf(const QAction* entry) const {
    const auto found = std::find_if(rows_.begin(), rows_.end(), [entry](const MenuRow* row) {
        return row->actions().contains(entry);
    });
    return found == rows_.end() ? nullptr : *found;
}

bool MenuRows::answersAlt(const MenuRow* row) const {
    const auto inUse = std::find_if(rows_.begin(), rows_.end(), [](const MenuRow* r) {
        return r->hasFocus() || r->activeAction() != nullptr;
    });
    return row == (inUse != rows_.end() ? *inUse : rows_.front());
}

bool MenuRows::stepAcrossRows(const QAction* entry, int direction, bool open) {
    const std::vector<QAction*> all = entries();
    const auto at = std::find(all.begin(), all.end(), entry);
    if (at == all.end()) {
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(all.size());
    QAction* next = all[static_cast<std::size_t>((at - all.begin() + direction + count) % count)];
    MenuRow* from = rowOf(entry);
    MenuRow* to = rowOf(next);
    if (from == to) {
        return false;  // within a row the row itself moves
    }
    from->leaveKeyboardMode();
    to->enterKeyboardMode(next, open);
    return true;
}

bool MenuRows::openByMnemonic(MenuRow* from, const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0 ||
        key.text().size() != 1) {
        return false;
    }
    const QChar letter = key.text().at(0).toUpper();
    QAction* target = nullptr;
    for (QAction* entry : entries()) {
        if (mnemonic(entry->text()) != letter) {
            continue;
        }
        if (rowOf(entry) == from) {
            return false;  // the row's own letter: the row opens it
        }
        target = target != nullptr ? target : entry;
    }
    if (target == nullptr) {
        return false;
    }
    from->leaveKeyboardMode();
    if (target->menu() != nullptr) {
        rowOf(target)->enterKeyboardMode(target, true);
    } else {
        target->trigger();
    }
    return true;
}

void MenuRows::restoreFocus() {
    const QWidget* focus = QApplication::focusWidget();
    if (home_ != nullptr && focus != nullptr && isAncestorOf(focus)) {
        home_->setFocus(Qt::MenuBarFocusReason);
    }
}

bool MenuRows::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || event->type() != QEvent::KeyPress) {
        return false;
    }
    const int direction = step(*static_cast<QKeyEvent*>(event), false);
    // Right on an item with a submenu of its own opens that submenu.
    const QAction* item = menu->activeAction();
    if (direction == 0 || (direction > 0 && item != nullptr && item->menu() != nullptr)) {
        return false;
    }
    return stepAcrossRows(menu->menuAction(), direction, true);
}

}  // namespace ondiscale
