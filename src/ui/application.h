#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QApplication;
class QCoreApplication;

namespace ondiscale {

// The name of the desktop entry (data/ondiscale.desktop) without its
// ending; Wayland knows the program by it and finds its icon through it.
inline constexpr const char* kDesktopFileName = "ondiscale";

// The platform to ask Qt for, given QT_QPA_PLATFORM, DISPLAY and
// WAYLAND_DISPLAY; empty to leave Qt's own choice. Only X11 lets a program
// place its windows, so it goes first where the session offers both; a
// session with Wayland alone runs natively.
QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& x11,
                             const QByteArray& wayland);

// Before the application exists: applies preferredPlatform to this process.
void choosePlatform();

// What the command line asks for. Any other argument is Qt's (-platform,
// -display, …) or ignored, as is a mistyped option: the program starts.
enum class CommandLineRequest { Run, Help, Version };
CommandLineRequest readCommandLine(const QStringList& arguments);

// The answers to --help and --version, each ending with a line break.
QString helpText();
QString versionText();

// Where Qt will look for a screen: the platforms it tries in turn, and the
// servers its X11 and Wayland platforms connect to.
struct ScreenRequest {
    QByteArrayList platforms;
    QByteArray x11Display;      // empty: DISPLAY is not set
    QByteArray waylandDisplay;  // empty: WAYLAND_DISPLAY is not set
    // The platforms whose plugin is installed; empty: not known, any goes.
    QByteArrayList installed;
};

// The platforms Qt can load: the keys of the plugins in its platforms
// folders (Qt's own, QT_PLUGIN_PATH's, QT_QPA_PLATFORM_PLUGIN_PATH, the
// program's folder), read without loading them.
QByteArrayList installedPlatforms(const QString& programFolder);

// As Qt reads them: a -platform argument before `platform` (QT_QPA_PLATFORM
// as choosePlatform() left it) before Qt's default, xcb; a -display
// argument before `x11` (DISPLAY).
ScreenRequest screenRequest(const QStringList& arguments, const QByteArray& platform,
                            const QByteArray& x11, const QByteArray& wayland);

// Whether the display server of that name answers.
using ServerAnswers = std::function<bool(const QByteArray&)>;

// Why no platform of the request can open a screen, as the sentence to
// say; empty when one can. A platform not installed cannot. Wayland's
// server is wayland-0 when none is named, as for the Wayland library.
// Platforms without a display server (offscreen, vnc, …) always can: Qt
// speaks for them. An X11 display that does not answer but `x11Refuses`
// is said to refuse the connection (its authorisation), not to be silent.
QString screenProblem(const ScreenRequest& request, const ServerAnswers& x11Answers,
                      const ServerAnswers& waylandAnswers, const ServerAnswers& x11Refuses = {});

// The real servers: an X11 connection through xcb (authorisation
// included); a Wayland socket, under `runtimeFolder` (XDG_RUNTIME_DIR)
// unless its name is a path.
bool x11Answers(const QByteArray& display);
// Whether a local X11 display's socket takes connections: where xcb could
// not connect, the server is there and refused it.
bool x11Listens(const QByteArray& display);
bool waylandAnswers(const QByteArray& display, const QByteArray& runtimeFolder);

// Before the application exists: answers --help and --version, chooses the
// platform and makes sure it can open a screen, where Qt would abort with a
// core dump. The exit status when the program ends there.
std::optional<int> answerBeforeWindow(int argc, const char* const* argv);

// The application's name, desktop entry and icon, and Qt's own texts
// (context menus, standard buttons) in French whatever the system language.
void setUpApplication(QApplication& app);

// Installs Qt's French translation from `folder`; false, and nothing said,
// when it is not there.
bool loadQtFrench(QCoreApplication& app, const QString& folder);

}  // namespace ondiscale
