#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// Before the application exists: answers --help and --version, or chooses
// the platform. The exit status when the program ends there.
std::optional<int> answerBeforeWindow(int argc, const char* const* argv);

// The application's name, desktop entry and icon, and Qt's own texts
// (context menus, standard buttons) in French whatever the system language.
void setUpApplication(QApplication& app);

// Installs Qt's French translation from `folder`; false, and nothing said,
// when it is not there.
bool loadQtFrench(QCoreApplication& app, const QString& folder);

}  // namespace ondiscale
