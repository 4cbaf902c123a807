#include <QApplication>

#include "ui/main_window.h"
#include "ui/window_texts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ondiscale::texts::kApplicationTitle));
    ondiscale::mainprecise window;
    window.show();
    return QApplication::exec();
}
