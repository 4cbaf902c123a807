#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace ondiscale {

// SIGTERM and SIGHUP, which a logout, a shutdown or a closed terminal
// send, told on the interface thread: the handler only writes the
// signal's number to a pipe, which a QSocketNotifier reads from the event
// loop. One at a time; the default handlers come back when it goes.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(std::function<void(int signal)> received, QObject* parent = nullptr);
    ~QuitSignals() override;

    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void(int)> received_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace ondiscale
