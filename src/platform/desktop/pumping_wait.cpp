// A wait that keeps the GUI thread's events flowing, as the drawing connection's short pause needs.
#include "platform/desktop/pumping_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace desktop {

void pumpingWait(int ms)
{
    if (ms < 0)
        ms = 0;
    QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    if (!QCoreApplication::instance() || QThread::currentThread() != QCoreApplication::instance()->thread()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // Sleeps until an event arrives or the wake timer fires, handles what came, and waits on until
    // the deadline; the deadline decides, so a timer that fires early only wakes us once more.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        if (!wake.isActive())
            wake.start(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace desktop
