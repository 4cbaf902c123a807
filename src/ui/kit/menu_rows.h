#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <vector>

class QMenu;

namespace ondiscale {

class MenuRows;

// One row of the menu bar: a QMenuBar whose keyboard mode can be handed to
// and from its neighbours.
class MenuRow : public QMenuBar {
    Q_OBJECT

public:
    MenuRow(MenuRows& rows, QWidget* parent);

    // Keyboard mode on `entry`, with its submenu open if `open`, as after
    // Alt and the arrow keys.
    void enterKeyboardMode(QAction* entry, bool open);
    // Out of keyboard mode, any open submenu closed; the focus goes back
    // where it was before the menu bar took it.
    void leaveKeyboardMode();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    void press(int key);
    // Its highlighted entry opens its submenu, as after a click.
    [[nodiscard]] bool pressed() const;

    MenuRows& rows_;
};

// The menu bar of a window narrower than its entries: the entries flow onto
// as many rows as they need, so that none hides behind an overflow button,
// and the keyboard goes through all of them as through one menu bar: Alt
// highlights the first entry, Left and Right move across every row and
// wrap, also from an open submenu, letters open the entry they mark.
class MenuRows : public QWidget {
    Q_OBJECT

public:
    // Rows no wider than `width`; screen readers call the first row
    // `firstName` and the others `moreName`.
    MenuRows(int width, QString firstName, QString moreName, QWidget* parent);

    // Appends an entry: at the end of the last row if it fits there, else on
    // a new row. The returned action is owned by this menu bar.
    QAction* addAction(const QString& text);
    QAction* addMenu(QMenu* menu);

    [[nodiscard]] const std::vector<MenuRow*>& rows() const { return rows_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MenuRow;

    QAction* addEntry(QAction* entry);
    MenuRow* newRow();
    [[nodiscard]] MenuRow* rowOf(const QAction* entry) const;
    // The row that answers Alt: the one in use, else the first.
    [[nodiscard]] bool answersAlt(const MenuRow* row) const;
    // Left or right (`direction` -1 or +1) from `entry`, wrapping; true when it
    // went to another row, which this does itself.
    bool stepAcrossRows(const QAction* entry, int direction, bool open);
    // A letter typed in keyboard mode that marks an entry of another row.
    bool openByMnemonic(MenuRow* from, const QKeyEvent& key);
    void restoreFocus();
    [[nodiscard]] std::vector<QAction*> entries() const;

    int width_;
    QString firstName_;
    QString moreName_;
    std::vector<MenuRow*> rows_;
    QPointer<QWidget> home_;  // the window's focus before the menus took it
};

}  // namespace ondiscale
