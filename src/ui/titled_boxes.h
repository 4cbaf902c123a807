#pragma once

#include <QInputDialog>
#include <QMessageBox>

namespace ondiscale {

// The width a window needs for its whole title to show in its title bar:
// the title in the title bar's font and room for the buttons beside it, at
// most the width of the work area less the frame.
int widthForTitle(const QWidget& window);

// A message box at least as wide as its title needs: a report asks its
// question in the title.
class TitledMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override;
};

// The input box, likewise.
class TitledInputDialog : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace ondiscale
