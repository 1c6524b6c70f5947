#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace palvo {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the Qt thread, so that a program ended by
// the session (or by a script on a display without a window manager) closes its window the
// ordinary way and saves its settings. One instance per process.
class QtTerminationSignal {
public:
    // Installs the handlers; `onSignal` runs from the event loop for each signal received.
    explicit QtTerminationSignal(std::function<void()> onSignal);
    // Restores the default handlers.
    ~QtTerminationSignal();

    QtTerminationSignal(const QtTerminationSignal&) = delete;
    QtTerminationSignal& operator=(const QtTerminationSignal&) = delete;

    // False when the handlers could not be installed (the signals then end the program as usual).
    bool Installed() const { return notifier_ != nullptr; }

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace palvo
