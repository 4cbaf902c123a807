#include "ui/application.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ui/kit/qt_text.h"
#include "ui/kit/scroll_area_accessible.h"
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

QByteArrayList installedPlatforms(const QString& programFolder) {
    QStringList folders{
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"),
        programFolder + QStringLiteral("/platforms")};
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts)) {
        folders << path + QStringLiteral("/platforms");
    }
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    QByteArrayList keys;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QJsonArray found = QPluginLoader(dir.filePath(file))
                                         .metaData()
                                         .value(QStringLiteral("MetaData"))
                                         .toObject()
                                         .value(QStringLiteral("Keys"))
                                         .toArray();
            for (const auto& key : found) {
                const QByteArray name = key.toString().toLower().toUtf8();
                if (!name.isEmpty() && !keys.contains(name)) {
                    keys << name;
                }
            }
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

QString screenProblem(const ScreenRequest& request, const ServerAnswers& x11Answers,
                      const ServerAnswers& waylandAnswers, const ServerAnswers& x11Refuses) {
    QStringList reasons;
    for (const QByteArray& platform : request.platforms) {
        // "offscreen:configfile=…": the plugin's name, then its settings.
        const qsizetype colon = platform.indexOf(':');
        const QByteArray name = colon < 0 ? platform : platform.left(colon);
        QString reason;
        if (!request.installed.isEmpty() && !name.isEmpty() &&
            !request.installed.contains(name.toLower())) {
            reason = qtText(texts::kNoSuchPlatform)
                         .arg(QString::fromLocal8Bit(name),
                              QString::fromLatin1(request.installed.join(", ")));
        } else if (name == "xcb") {
            if (x11Answers(request.x11Display)) {
                return {};
            }
            if (!request.x11Display.isEmpty() && x11Refuses && x11Refuses(request.x11Display)) {
                reason = qtText(texts::kX11Refuses).arg(QString::fromLocal8Bit(request.x11Display));
            } else if (!request.x11Display.isEmpty()) {
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
    // The library prints the server's refusal in English: the program
    // says it in French, so the library's words go nowhere.
    std::fflush(stderr);
    const int errors = ::dup(STDERR_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (errors >= 0 && nowhere >= 0) {
        ::dup2(nowhere, STDERR_FILENO);
    }
    xcb_connection_t* connection =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (errors >= 0 && nowhere >= 0) {
        ::dup2(errors, STDERR_FILENO);
    }
    for (const int fd : {errors, nowhere}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    return answers;
#else
    (void)display;
    return true;  // Qt will tell
#endif
}

bool x11Listens(const QByteArray& display) {
    // ":0", ":0.1", "unix:0": the server's socket, abstract or in /tmp.
    QByteArray host = display.left(display.lastIndexOf(':'));
    if (!host.isEmpty() && host != "unix") {
        return false;  // over the network: not looked at
    }
    const QByteArray number = display.mid(display.lastIndexOf(':') + 1).split('.').value(0);
    bool isNumber = false;
    number.toUInt(&isNumber);
    if (!isNumber) {
        return false;
    }
    const QByteArray path = "/tmp/.X11-unix/X" + number;
    for (const bool abstract : {true, false}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;  // the abstract name starts with a NUL
        std::memcpy(address.sun_path + offset, path.constData(),
                    static_cast<std::size_t>(path.size()));
        // Never waits: a server whose queue is full is there all the same.
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (socket < 0) {
            return false;
        }
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                   static_cast<std::size_t>(path.size()));
        const bool listens =
            ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0 ||
            errno == EAGAIN || errno == EINPROGRESS;
        ::close(socket);
        if (listens) {
            return true;
        }
    }
    return false;
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
    ScreenRequest checked = request;
    checked.installed = installedPlatforms(QFileInfo(QFile::decodeName(argv[0])).absolutePath());
    const QString problem = screenProblem(checked, x11Answers, wayland, x11Listens);
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
    installScrollAreaAccessible();
}

}  // namespace ondiscale
