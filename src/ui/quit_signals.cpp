#include "ui/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace ondiscale {
namespace {

constexpr std::array<int, 2> kSignals{SIGTERM, SIGHUP};

// The pipe's ends: the handler writes, the notifier reads.
std::array<int, 2> pipeEnds{-1, -1};

extern "C" void tell(int signal) {
    const int saved = errno;
    const auto byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void(int signal)> received, QObject* parent)
    : QObject(parent), received_(std::move(received)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds.data()) !=
        0) {
        return;  // the signals keep their default: the program ends as it did
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(pipeEnds[0], &byte, 1) == 1) {
            if (received_) {
                received_(byte);
            }
        }
    });
    struct sigaction action {};
    action.sa_handler = tell;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete notifier_;
    for (int& end : pipeEnds) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

}  // namespace ondiscale
