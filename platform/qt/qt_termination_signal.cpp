#include "platform/qt/qt_termination_signal.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

namespace palvo {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end a signal handler may touch: only async-signal-safe calls happen there.
volatile std::sig_atomic_t signalWriteEnd = -1;
int signalSockets[2] = {-1, -1};

extern "C" void ForwardSignal(int)
{
    const int socket = signalWriteEnd;
    if (socket >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(socket, &byte, 1);
    }
}

// Closes the topmost modal window as its close box would: a dialog is rejected, a message box
// answers its escape button (OK, or No for the reset question).
void DismissModalWindow()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal); box != nullptr) {
        box->close();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr) {
        dialog->reject();
    } else {
        modal->close();
    }
}

// How often boxes opened after the signal (a warning after the dialog closed, the end-of-game
// notice after a roll) are looked for.
constexpr int kDismissIntervalMilliseconds = 20;

}  // namespace

QtTerminationSignal::QtTerminationSignal(std::function<void()> onSignal) : onSignal_(std::move(onSignal))
{
    if (signalWriteEnd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return;
    }
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    ::fcntl(signalSockets[1], F_SETFL, O_NONBLOCK);
    signalWriteEnd = signalSockets[1];
    notifier_ = std::make_unique<QSocketNotifier>(signalSockets[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[16];
        while (::read(signalSockets[0], bytes, sizeof bytes) > 0) {
        }
        if (!dismisser_) {
            dismisser_ = std::make_unique<QTimer>();
            dismisser_->setInterval(kDismissIntervalMilliseconds);
            QObject::connect(dismisser_.get(), &QTimer::timeout, dismisser_.get(), DismissModalWindow);
            dismisser_->start();
        }
        DismissModalWindow();
        if (onSignal_) {
            onSignal_();
        }
    });
    struct sigaction action = {};
    action.sa_handler = ForwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

QtTerminationSignal::~QtTerminationSignal()
{
    if (!notifier_) {
        return;
    }
    for (int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    signalWriteEnd = -1;
    dismisser_.reset();
    notifier_.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

}  // namespace palvo
