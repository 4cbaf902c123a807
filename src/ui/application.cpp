#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "ui/kit/qt_text.h"
#include "ui/window_texts.h"

namespace ondiscale {

QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& x11,
                             const QByteArray& wayland) {
    if (!chosen.isEmpty()) {
        return {};
    }
    if (!x11.isEmpty()) {
        return wayland.isEmpty() ? QByteArray("xcb") : QByteArray("xcb;wayland");
    }
    return wayland.isEmpty() ? QByteArray() : QByteArray("wayland");
}

void choosePlatform() {
    const QByteArray platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                                  qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
}

bool loadQtFrench(QCoreApplication& app, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)) {
        return false;
    }
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(qtText(texts::kApplicationTitle));
    QGuiApplication::setDesktopFileName(qtText(kDesktopFileName));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/ondiscale.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    loadQtFrench(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace ondiscale
