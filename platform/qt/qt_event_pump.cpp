#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace palvo {

void QtEventPump::ProcessEventsFor(std::uint32_t milliseconds)
{
    // The time counts from the call, so the pending events (usually the repaint of the number just
    // drawn) are handled within it rather than added to it.
    const QDeadlineTimer deadline(static_cast<qint64>(milliseconds), Qt::PreciseTimer);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 remaining = deadline.remainingTime();
    if (remaining <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(remaining));
    loop.exec();
    // An application that is quitting refuses nested loops; sleep out the rest instead of
    // letting the caller poll in a tight loop.
    const qint64 left = deadline.remainingTime();
    if (left > 0) {
        QThread::msleep(static_cast<unsigned long>(left));
    }
}

}  // namespace palvo
