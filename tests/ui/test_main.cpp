// Widget tests run on the offscreen platform unless a display is given, in
// an application set up as the program's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/application.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
