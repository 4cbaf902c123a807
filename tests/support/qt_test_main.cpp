// Widget tests run on the offscreen platform unless a display is given, in
// an application set up as the program's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "ui/application.h"

int main(int argc, char** argv) {
    // The high-DPI run: fonts at 144 DPI with Qt's scaling off, on the large
    // offscreen screen this variable names. One variable, because test
    // discovery passes on only the first of a list.
    if (const char* screen = std::getenv("ONDISCALE_DPI144_SCREEN")) {
        setenv("QT_FONT_DPI", "144", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        setenv("QT_QPA_PLATFORM", (std::string("offscreen:configfile=") + screen).c_str(), 1);
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
