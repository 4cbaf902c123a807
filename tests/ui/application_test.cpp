#include "ui/application.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <memory>

using namespace ondiscale;

namespace {

TEST(Application, PrefersX11WhereTheSessionOffersItAndNoPlatformWasChosen) {
    struct Row {
        const char *chosen, *x11, *wayland, *platform;
    };
    const Row rows[] = {
        {"", ":0", "wayland-0", "xcb;wayland"},  // XWayland: placement holds there
        {"", ":0", "", "xcb"},
        {"", "", "wayland-0", "wayland"},    // Wayland alone: natively
        {"", "", "", ""},                    // Qt's own choice
        {"wayland", ":0", "wayland-0", ""},  // the user's choice stands
        {"offscreen", "", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(preferredPlatform(row.chosen, row.x11, row.wayland), QByteArray(row.platform))
            << row.chosen << " | " << row.x11 << " | " << row.wayland;
    }
}

TEST(Application, CommandLineAnswersHelpAndVersionAndStartsOtherwise) {
    using enum CommandLineRequest;
    struct Row {
        QStringList arguments;  // after the program's name
        CommandLineRequest request;
    };
    const Row rows[] = {
        {{}, Run},
        {{"--help"}, Help},
        {{"-h"}, Help},
        {{"-version"}, Version},
        {{"-v"}, Version},
        {{"--frobnicate", "--version"}, Version},  // a mistake beside does not hide it
        {{"--frobnicate"}, Run},                   // ignored, as any other argument
        {{"-reverse"}, Run},  // Qt's own options, whose letters hold a v or an h
        {{"-stylesheet", "sombre.qss"}, Run},
        {{"--", "--help"}, Run},  // a file named --help
    };
    for (const Row& row : rows) {
        EXPECT_EQ(readCommandLine(QStringList{"ondiscale"} + row.arguments), row.request)
            << row.arguments.join(u' ').toStdString();
    }
}

// The test program sets itself up as the program does.
TEST(Application, ContextMenuOfABoxIsFrench) {
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(u'\t', 0, 0);
        }
    }
    EXPECT_EQ(texts, (QStringList{"&Annuler", "&Rétablir", "Co&uper", "Cop&ier", "Co&ller",
                                  "Supprimer", "Tout sélectionner"}));
}

TEST(Application, WithoutQtsTranslationItRunsOnQuietly) {
    EXPECT_FALSE(loadQtFrench(*QCoreApplication::instance(), QStringLiteral("/nonexistent")));
}

TEST(Application, EveryWindowCarriesTheProgramsIcon) {
    const QIcon icon = QApplication::windowIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}))
        << "built into the program";
    QWidget window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "ondiscale");
}

}  // namespace
