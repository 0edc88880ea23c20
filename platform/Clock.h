#pragma once
// The local clock for dates and times of day, and a monotonic clock for
// elapsed time. Both can be replaced in tests.
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    // Milliseconds from an arbitrary start; never jumps, never wraps at midnight.
    virtual qint64 monotonicMs() const;
    // Blocks for a short while; a test clock moves itself forward instead.
    virtual void sleepMs(int ms);

    // The process-wide clock; tests may install another one.
    static Clock& instance();
    static void install(Clock* clock);  // nullptr restores the system clock

private:
    QElapsedTimer elapsed_ = startedTimer();
    static QElapsedTimer startedTimer();
};

// A clock that only moves when told to.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime start) : now_(start) {}
    QDateTime now() const override { return now_.addMSecs(ms_); }
    qint64 monotonicMs() const override { return ms_; }
    void advance(qint64 ms) { ms_ += ms; }
    void sleepMs(int ms) override { ms_ += ms; }

private:
    QDateTime now_;
    qint64 ms_ = 0;
};

// "yyyy/mm/dd" and "hh:mm:ss", the forms every data file uses.
QString dateText(const QDate& date);
QString timeText(const QTime& time);
