#include "EventWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    // Wakes the loop now and then, so the deadline is seen without other events.
    QTimer wake;
    wake.start(20);
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
