#include <QApplication>

#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    ondiscale::choosePlatform();
    QApplication app(argc, argv);
    ondiscale::setUpApplication(app);
    ondiscale::mainprecise window;
    window.show();
    return QApplication::exec();
}
