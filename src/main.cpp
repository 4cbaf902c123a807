#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/window_texts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ondiscale::texts::kApplicationTitle));
    // The program speaks French whatever the system's language, Qt's own
    // dialogs (the file dialog of the journal) too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    ondiscale::mainprecise window;
    window.show();
    return QApplication::exec();
}
