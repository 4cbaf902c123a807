#pragma once

#include <QObject>
#include <vector>

class QAction;
class QWidget;

namespace ondiscale {

// The main window's menu keys in every window of the program: Alt and the
// letter of an entry (Alt+J, the journal) does from another window what it
// does from the main window, unless that window has a control of its own
// on the same key; Alt with any other letter does nothing, and never types
// the letter into a box.
class MenuKeys : public QObject {
    Q_OBJECT

public:
    // The entries that answer from every window; it watches the whole
    // application from then on.
    MenuKeys(QWidget& main, std::vector<QAction*> entries);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_;
    std::vector<QAction*> entries_;
};

}  // namespace ondiscale
