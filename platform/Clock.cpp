#include "platform/Clock.h"

#include <QThread>

namespace {
Clock* installed = nullptr;
}

QElapsedTimer Clock::startedTimer()
{
    QElapsedTimer t;
    t.start();
    return t;
}

QDateTime Clock::now() const { return QDateTime::currentDateTime(); }

qint64 Clock::monotonicMs() const { return elapsed_.elapsed(); }

void Clock::sleepMs(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

Clock& Clock::instance()
{
    static Clock system;
    return installed ? *installed : system;
}

void Clock::install(Clock* clock) { installed = clock; }

QString dateText(const QDate& date) { return date.toString(QStringLiteral("yyyy/MM/dd")); }

QString timeText(const QTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }
