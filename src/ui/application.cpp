#include "ui/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#include "ui/kit/qt_text.h"
#include "ui/window_texts.h"

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
    return std::nullopt;
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
