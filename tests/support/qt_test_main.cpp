// Widget tests run on the offscreen platform unless a display is given, in
// an application set up as the program's own.
//
// ONDISCALE_TEST_DESKTOP="<width>x<height>@<dpi>[,<points>pt]" runs them on
// an offscreen screen of that size (its work area), with fonts at that DPI
// and Qt's scaling off, and the desktop's font at that size if given. One
// variable, because test discovery passes on only the first of a list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/application.h"

namespace {

struct Desktop {
    int width = 0;
    int height = 0;
    int dpi = 0;
    double points = 0;
};

Desktop desktopFrom(const char* text) {
    Desktop d;
    if (std::sscanf(text, "%dx%d@%d,%lfpt", &d.width, &d.height, &d.dpi, &d.points) < 3) {
        std::fprintf(stderr, "ONDISCALE_TEST_DESKTOP: cannot read \"%s\"\n", text);
        std::exit(2);
    }
    return d;
}

}  // namespace

int main(int argc, char** argv) {
    Desktop desktop;
    QString config;
    if (const char* text = std::getenv("ONDISCALE_TEST_DESKTOP")) {
        desktop = desktopFrom(text);
        // One file for each process: tests run side by side.
        config = QDir::temp().filePath(
            QStringLiteral("ondiscale-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, )"
                                      R"("width": %1, "height": %2}]})")
                           .arg(desktop.width)
                           .arg(desktop.height)
                           .toUtf8()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(config));
            return 2;
        }
        file.close();
        setenv("QT_FONT_DPI", std::to_string(desktop.dpi).c_str(), 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.toStdString()).c_str(), 1);
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Sessions saved when a test closes a main window, and the settings of
    // Qt's file dialog, go to Qt's test folders, never to the user's; below
    // a home of this process's own, since the same tests run side by side
    // on other desktops. It goes at the end.
    const QTemporaryDir home(QDir::temp().filePath(QStringLiteral("ondiscale-test-home-XXXXXX")));
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make a test home: %s\n", qPrintable(home.errorString()));
        return 2;
    }
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    if (desktop.points > 0) {
        QFont font = QApplication::font();
        font.setPointSizeF(desktop.points);
        QApplication::setFont(font);
    }
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    if (!config.isEmpty()) {
        QFile::remove(config);
    }
    return failed;
}
