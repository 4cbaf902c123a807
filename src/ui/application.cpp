#include "ui/application.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ui/kit/qt_text.h"
#include "ui/window_texts.h"

#ifdef ONDISCALE_HAS_XCB
#include <xcb/xcb.h>
#endif

namespace ondiscale {

QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& x11,
                             const QByteArray& wayland) {
    if (!chosen.isEmpty()) {
        return {};
    }
    if (!x11.isEmpty()) {
        return wayland.isEmpty() ? QByteArray("xcb") : QByteArray("xcb;wayland");
    }
    return wayland.isEmpty() ? QByteArray() : QByteArray("wayland");
}

void choosePlatform() {
    const QByteArray platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                                  qgetenv("WAYLAND_DISPLAY"));
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
}

namespace {

struct CommandOption {
    const char* shortName;
    const char* longName;
    const char* description;
    CommandLineRequest request;
};
constexpr std::array<CommandOption, 2> kCommandOptions{{
    {"h", "help", texts::kHelpOption, CommandLineRequest::Help},
    {"v", "version", texts::kVersionOption, CommandLineRequest::Version},
}};

QString namesOf(const CommandOption& option) {
    return QStringLiteral("-%1, --%2").arg(qtText(option.shortName), qtText(option.longName));
}

// Written whole or not at all: a reply lost (a full disk, a closed pipe)
// is not a success.
int printAnswer(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) {
        return 0;
    }
    std::fputs((qtText(texts::kNotWritten) + u'\n').toUtf8().constData(), stderr);
    return 1;
}

}  // namespace

CommandLineRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // One dash, one word: "-reverse" is Qt's own option, not -r -e -v ….
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CommandOption& option : kCommandOptions) {
        parser.addOption(QCommandLineOption({qtText(option.shortName), qtText(option.longName)},
                                            qtText(option.description)));
    }
    // A mistake is ignored as any other argument: the options found still count.
    parser.parse(arguments);
    for (const CommandOption& option : kCommandOptions) {
        if (parser.isSet(qtText(option.longName))) {
            return option.request;
        }
    }
    return CommandLineRequest::Run;
}

QString helpText() {
    qsizetype width = 0;
    for (const CommandOption& option : kCommandOptions) {
        width = std::max(width, namesOf(option).size());
    }
    QString text = qtText(texts::kUsage) + u'\n' + qtText(texts::kCommandDescription) +
                   QStringLiteral("\n\n") + qtText(texts::kOptionsHeading) + u'\n';
    for (const CommandOption& option : kCommandOptions) {
        text += QStringLiteral("  ") + namesOf(option).leftJustified(width) + QStringLiteral("  ") +
                qtText(option.description) + u'\n';
    }
    return text;
}

QString versionText() {
    return qtText(texts::kApplicationTitle) + u' ' + QStringLiteral(ONDISCALE_VERSION) + u'\n';
}

ScreenRequest screenRequest(const QStringList& arguments, const QByteArray& platform,
                            const QByteArray& x11, const QByteArray& wayland) {
    ScreenRequest request{{}, x11, wayland};
    QByteArray platforms = platform;
    // Qt takes its own options with one dash or two, each with its value.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name = argument.startsWith(QStringLiteral("--")) ? argument.mid(1) : argument;
        if (name == QStringLiteral("-platform")) {
            platforms = arguments[++i].toLocal8Bit();
        } else if (name == QStringLiteral("-display")) {
            request.x11Display = arguments[++i].toLocal8Bit();
        }
    }
    request.platforms = platforms.isEmpty() ? QByteArrayList{"xcb"} : platforms.split(';');
    return request;
}

QString screenProblem(const ScreenRequest& request, const ServerAnswers& x11Answers,
                      const ServerAnswers& waylandAnswers) {
    QStringList reasons;
    for (const QByteArray& platform : request.platforms) {
        // "offscreen:configfile=…": the plugin's name, then its settings.
        const qsizetype colon = platform.indexOf(':');
        const QByteArray name = colon < 0 ? platform : platform.left(colon);
        QString reason;
        if (name == "xcb") {
            if (x11Answers(request.x11Display)) {
                return {};
            }
            if (!request.x11Display.isEmpty()) {
                reason = qtText(texts::kX11Silent).arg(QString::fromLocal8Bit(request.x11Display));
            } else {
                reason = qtText(request.waylandDisplay.isEmpty() ? texts::kNoDisplaySet
                                                                 : texts::kNoX11Display);
            }
        } else if (name.startsWith("wayland")) {
            const QByteArray display =
                request.waylandDisplay.isEmpty() ? QByteArray("wayland-0") : request.waylandDisplay;
            if (waylandAnswers(display)) {
                return {};
            }
            reason = qtText(texts::kWaylandSilent).arg(QString::fromLocal8Bit(display));
        } else if (!name.isEmpty()) {
            return {};
        }
        if (!reason.isEmpty()) {
            reasons << reason;
        }
    }
    if (reasons.isEmpty()) {
        return {};
    }
    return qtText(texts::kNoScreen).arg(reasons.join(QStringLiteral(", ")));
}

bool x11Answers(const QByteArray& display) {
#ifdef ONDISCALE_HAS_XCB
    xcb_connection_t* connection =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    (void)display;
    return true;  // Qt will tell
#endif
}

bool waylandAnswers(const QByteArray& display, const QByteArray& runtimeFolder) {
    if (display.isEmpty() || (!display.startsWith('/') && runtimeFolder.isEmpty())) {
        return false;
    }
    const QByteArray path = display.startsWith('/') ? display : runtimeFolder + '/' + display;
    sockaddr_un address{};
    if (static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answers;
}

std::optional<int> answerBeforeWindow(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    switch (readCommandLine(arguments)) {
        case CommandLineRequest::Help:
            return printAnswer(helpText());
        case CommandLineRequest::Version:
            return printAnswer(versionText());
        case CommandLineRequest::Run:
            break;
    }
    choosePlatform();
    const ScreenRequest request = screenRequest(arguments, qgetenv("QT_QPA_PLATFORM"),
                                                qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    // A compositor that starts its client hands it a connected socket.
    const auto wayland = [](const QByteArray& display) {
        return !qgetenv("WAYLAND_SOCKET").isEmpty() ||
               waylandAnswers(display, qgetenv("XDG_RUNTIME_DIR"));
    };
    const QString problem = screenProblem(request, x11Answers, wayland);
    if (problem.isEmpty()) {
        return std::nullopt;
    }
    std::fputs((problem + u'\n').toUtf8().constData(), stderr);
    return 1;
}

bool loadQtFrench(QCoreApplication& app, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)) {
        return false;
    }
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
    return true;
}

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(qtText(texts::kApplicationTitle));
    QGuiApplication::setDesktopFileName(qtText(kDesktopFileName));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/ondiscale.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    loadQtFrench(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace ondiscale
