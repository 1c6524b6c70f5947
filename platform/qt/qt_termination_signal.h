#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace palvo {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the Qt thread, so that a program ended by
// the session (or by a script on a display without a window manager) closes its window the
// ordinary way and saves its settings. An ending session must not wait on a person: from the
// first signal on, every dialog and message box open or opened later is closed as if
// cancelled (Closed for a question, no save from the settings dialog). One instance per process.
class QtTerminationSignal {
public:
    // Installs the handlers; `onSignal` runs from the event loop (also the nested loop of a
    // dialog) for each signal received, after the open dialogs were told to close.
    explicit QtTerminationSignal(std::function<void()> onSignal);
    // Restores the default handlers.
    ~QtTerminationSignal();

    QtTerminationSignal(const QtTerminationSignal&) = delete;
    QtTerminationSignal& operator=(const QtTerminationSignal&) = delete;

    // False when the handlers could not be installed (the signals then end the program as usual).
    bool Installed() const { return notifier_ != nullptr; }

    // True once a signal has arrived.
    bool Received() const { return dismisser_ != nullptr; }

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> dismisser_;
};

}  // namespace palvo
