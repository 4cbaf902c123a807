#include "ui/application.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <cstddef>
#include <cstring>
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
        {{"-help"}, Help},
        {{"-version"}, Version},
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

TEST(Application, NoScreenIsSaidInFrench) {
    struct Row {
        const char *platforms, *x11, *wayland;
        QByteArrayList up;    // the servers that answer
        const char* problem;  // after "… faute d'écran graphique : "; empty: it starts
    };
    const Row rows[] = {
        {"xcb", ":9", "", {"x11 :9"}, ""},
        {"xcb", "", "wayland-1", {"wayland wayland-1"}, "DISPLAY n'est pas défini"},
        {"xcb;wayland", ":9", "wayland-1", {"wayland wayland-1"}, ""},
        {"xcb;wayland",
         ":9",
         "wayland-1",
         {"x11 :8", "wayland wayland-0"},
         "l'affichage X11 « :9 » ne répond pas, le serveur Wayland « wayland-1 » ne répond pas"},
        {"wayland", "", "", {}, "le serveur Wayland « wayland-0 » ne répond pas"},
        {"wayland-egl", "", "", {"wayland wayland-0"}, ""},
        {"offscreen:configfile=/tmp/a.json", "", "", {}, ""},
        {"xcb;vnc", ":9", "", {}, ""},
    };
    for (const Row& row : rows) {
        const auto answers = [&](const char* kind) {
            return [&row, kind](const QByteArray& name) { return row.up.contains(kind + name); };
        };
        const QString expected =
            *row.problem == 0
                ? QString()
                : "ondiscale ne peut pas ouvrir sa fenêtre, faute d'écran graphique : " +
                      QString::fromUtf8(row.problem) + '.';
        EXPECT_EQ(screenProblem({QByteArray(row.platforms).split(';'), row.x11, row.wayland},
                                answers("x11 "), answers("wayland ")),
                  expected)
            << row.platforms << " | " << row.x11 << " | " << row.wayland;
    }
}

// A platform that is not installed, and a display that is there but
// refuses the connection, each said for what it is.
TEST(Application, AMissingPlatformAndARefusingDisplayAreSaid) {
    struct Row {
        const char* platforms;
        QByteArrayList installed;
        bool refuses;
        const char* problem;
    };
    const Row rows[] = {
        {"bogus",
         {"offscreen", "xcb"},
         false,
         "la plateforme graphique « bogus » n'est pas installée (plateformes disponibles : "
         "offscreen, xcb)"},
        {"OFFSCREEN", {"offscreen", "xcb"}, false, ""},
        {"bogus;offscreen", {"offscreen"}, false, ""},
        {"xcb",
         {},
         true,
         "l'affichage X11 « :9 » refuse la connexion, faute d'autorisation (XAUTHORITY)"},
        {"xcb", {"xcb"}, false, "l'affichage X11 « :9 » ne répond pas"},
    };
    for (const Row& row : rows) {
        const auto never = [](const QByteArray&) { return false; };
        const auto refuses = [&row](const QByteArray&) { return row.refuses; };
        const QString expected =
            *row.problem == 0
                ? QString()
                : "ondiscale ne peut pas ouvrir sa fenêtre, faute d'écran graphique : " +
                      QString::fromUtf8(row.problem) + '.';
        EXPECT_EQ(screenProblem({QByteArray(row.platforms).split(';'), ":9", "", row.installed},
                                never, never, refuses),
                  expected)
            << row.platforms;
    }
}

TEST(Application, TheInstalledPlatformsAreReadWithoutLoadingThem) {
    const QByteArrayList installed = installedPlatforms(QStringLiteral("/nonexistent"));
    EXPECT_TRUE(installed.contains("offscreen")) << installed.join(' ').constData();
    EXPECT_TRUE(installed.contains("xcb")) << installed.join(' ').constData();
    EXPECT_FALSE(installed.contains("bogus"));
}

// An X server's socket, abstract as Xorg makes it: one that listens is
// there, whatever it answers.
TEST(Application, AnX11DisplayListensOnItsSocket) {
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = "/tmp/.X11-unix/X4271";
    std::memcpy(address.sun_path + 1, path.constData(), static_cast<std::size_t>(path.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                               static_cast<std::size_t>(path.size()));
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(server, 1), 0);
    for (const char* display : {":4271", ":4271.0", "unix:4271"}) {
        EXPECT_TRUE(x11Listens(display)) << display;
    }
    for (const char* display : {":4272", "elsewhere:4271", ":x"}) {
        EXPECT_FALSE(x11Listens(display)) << display;
    }
    ::close(server);
}

// A compositor: a Unix socket listening at `path`; -1 if it cannot be made.
int listenAt(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(socket, 1) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

TEST(Application, WaylandAnswersOnlyWhileItsCompositorListens) {
    const QTemporaryDir folder;
    const QByteArray runtime = QFile::encodeName(folder.path());
    const int compositor = listenAt(runtime + "/wayland-7");
    ASSERT_GE(compositor, 0);
    struct Row {
        QByteArray display, runtime;
        bool answers;
    };
    const Row rows[] = {
        {"wayland-7", runtime, true},
        {runtime + "/wayland-7", "/nonexistent", true},  // absolute: the folder does not count
        {"wayland-8", runtime, false},
        {"wayland-7", "", false},                 // no runtime folder, nowhere to look
        {"/" + QByteArray(200, 'w'), "", false},  // longer than a socket's address holds
    };
    for (const Row& row : rows) {
        EXPECT_EQ(waylandAnswers(row.display, row.runtime), row.answers) << row.display.data();
    }
    ::close(compositor);
    EXPECT_FALSE(waylandAnswers("wayland-7", runtime)) << "its file is left, nobody listens";
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
