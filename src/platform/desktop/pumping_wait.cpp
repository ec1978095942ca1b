#include "platform/desktop/pumping_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

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
    // The timer only wakes the loop; the deadline decides, so a timer that never fires cannot hang us.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(ms);
    while (!deadline.hasExpired()) {
        const qint64 left = deadline.remainingTime();
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left > 0 ? left : 1));
        if (!deadline.hasExpired() && !wake.isActive())
            QThread::msleep(1);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace desktop
