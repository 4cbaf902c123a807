#pragma once

// Acts on the next modal window as soon as it is open: reads it, then
// closes it, so that an unanswered box never blocks a test.

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <functional>

inline void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(modal);
        if (QApplication::activeModalWidget() == modal) {
            modal->close();  // the check failed before answering: do not block
        }
    });
    timer->start();
}

// Chooses `path` in a file dialog and accepts it, as a user typing the
// name would: the folder, then the name in its box (Qt leaves the box
// alone while it has the keyboard, which it may have by then).
inline void chooseFile(QFileDialog& dialog, const QString& path) {
    dialog.selectFile(path);
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setText(QFileInfo(path).fileName());
    }
    static_cast<QDialog&>(dialog).accept();
}
