#include "platform/Pause.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

namespace eventpause {

bool letEventsRun(QObject* guard)
{
    QPointer<QObject> alive(guard);
    QCoreApplication::processEvents();
    return !guard || alive;
}

bool wait(QObject* guard, int ms)
{
    QPointer<QObject> alive(guard);
    const qint64 end = Clock::instance().monotonicMs() + ms;
    while (Clock::instance().monotonicMs() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (guard && !alive)
            return false;
        Clock::instance().sleepMs(5);
    }
    return !guard || alive;
}

}  // namespace eventpause
