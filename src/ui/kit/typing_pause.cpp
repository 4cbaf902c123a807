#include "ui/kit/typing_pause.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTimer>

namespace ondiscale {
namespace {

// Long enough for the next key of a number, short enough not to wait.
constexpr int kPauseMs = 400;

}  // namespace

void waitForTyping(QAbstractSpinBox& box) {
    box.setKeyboardTracking(false);
    auto* pause = new QTimer(&box);
    pause->setSingleShot(true);
    pause->setInterval(kPauseMs);
    QObject::connect(pause, &QTimer::timeout, &box, &QAbstractSpinBox::interpretText);
    if (auto* text = box.findChild<QLineEdit*>()) {
        QObject::connect(text, &QLineEdit::textEdited, pause, qOverload<>(&QTimer::start));
    }
}

}  // namespace ondiscale
