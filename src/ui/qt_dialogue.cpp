#include "ui/qt_dialogue.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "ui/kit/keep_clear.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/titled_boxes.h"
#include "ui/kit/twips.h"
#include "ui/window_texts.h"

namespace ondiscale {
namespace {

// Messages break their lines with CR LF; Qt's labels break on LF alone.
QString shown(const std::string& text) {
    return qtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPushButton* addButton(QMessageBox& box, QMessageBox::StandardButton which, const char* text) {
    QPushButton* button = box.addButton(which);
    button->setText(qtText(text));
    button->setIcon(QIcon());  // some styles put small icons on standard buttons
    return button;
}

}  // namespace

QWidget* QtDialogue::owner() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    if (lastOwner_ != nullptr && lastOwner_->isVisible()) {
        return lastOwner_;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->parentWidget() == nullptr) {
            return window;
        }
    }
    return nullptr;
}

// Over the window the user is in, but clear of what the open windows ask to
// keep in view (the journal's chart and figures, while the user decides
// whether to go on); the next boxes of that window where the last one was.
FramePlacement::Rule QtDialogue::placementOver(QWidget* owner, QWidget* box) const {
    const bool again = placed_ && owner != nullptr && owner == lastOwner_;
    return [owner, box, again, offset = lastOffset_](const QSize& outer, const QRect& area) {
        const QRect over = owner != nullptr ? owner->frameGeometry() : area;
        if (!again) {
            return boxCorner(outer, area, over, keptClear());
        }
        // The box itself where the last one was: its frame goes around it,
        // whatever the window manager has told of it yet.
        const QMargins frame = frameOf(*box);
        const QPoint corner = over.topLeft() + offset - QPoint(frame.left(), frame.top());
        return QPoint(std::clamp(corner.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - outer.width())),
                      std::clamp(corner.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - outer.height())));
    };
}

void QtDialogue::closed(const QDialog& box, QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    lastOwner_ = owner;
    lastOffset_ = box.geometry().topLeft() - owner->frameGeometry().topLeft();
    placed_ = true;
    // The window manager may give the keyboard to another window of the
    // program: it goes back to the one the box belonged to.
    if (owner->isVisible()) {
        owner->activateWindow();
    }
}

Answer QtDialogue::messageBox(const std::string& prompt, Buttons buttons,
                              const std::optional<std::string>& title) {
    const QPointer<QWidget> owner = QtDialogue::owner();
    TitledMessageBox box(owner);
    box.setPlacement(placementOver(owner, &box));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(qtText(title.value_or(texts::kApplicationTitle)));
    box.setTextFormat(Qt::PlainText);  // a typed distribution is shown as typed
    box.setText(shown(prompt));
    QPushButton* yes = nullptr;
    if (buttons == Buttons::Ok) {
        QPushButton* ok = addButton(box, QMessageBox::Ok, texts::kOk);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = addButton(box, QMessageBox::Yes, texts::kYes);
        box.setDefaultButton(yes);
        box.setEscapeButton(addButton(box, QMessageBox::No, texts::kNo));
    }
    makeRoomForTitle(box);
    box.exec();
    closed(box, owner);
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

std::string QtDialogue::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    const QPointer<QWidget> owner = QtDialogue::owner();
    PlacedInputDialog dialog(owner);
    dialog.setPlacement(placementOver(owner, &dialog));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qtText(title));
    dialog.setLabelText(shown(prompt));
    dialog.setTextValue(qtText(defaultText));
    dialog.setOkButtonText(qtText(texts::kOk));
    dialog.setCancelButtonText(qtText(texts::kCancel));
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        button->setIcon(QIcon());  // as bare as the message boxes
    }
    // The prompt is a long paragraph: wrap it rather than widen the box.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setMinimumWidth(Twips(dialog).px(6600));
    }
    makeRoomForTitle(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    closed(dialog, owner);
    if (!accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

std::string QtDialogue::decimalSeparator() const {
    return QLocale::system().decimalPoint().toStdString();
}

std::string QtDialogue::groupSeparator() const {
    return QLocale::system().groupSeparator().toStdString();
}

}  // namespace ondiscale
