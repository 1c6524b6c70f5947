#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace palvo {

void QtEventPump::ProcessEventsFor(std::uint32_t milliseconds)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (milliseconds == 0) {
        return;
    }
    const QDeadlineTimer deadline(static_cast<qint64>(milliseconds), Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(milliseconds));
    loop.exec();
    // An application that is quitting refuses nested loops; sleep out the rest instead of
    // letting the caller poll in a tight loop.
    const qint64 remaining = deadline.remainingTime();
    if (remaining > 0) {
        QThread::msleep(static_cast<unsigned long>(remaining));
    }
}

}  // namespace palvo
