#include "games/frame/AnswerSteps.h"

#include <QPointer>

#include <algorithm>

AnswerSteps::AnswerSteps(QObject* parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnswerSteps::runNow);
}

AnswerSteps::State AnswerSteps::state() const
{
    if (open_ || std::any_of(steps_.begin(), steps_.end(), [](const Timed& t) { return t.holds; }))
        return State::Judging;
    return steps_.empty() ? State::Ready : State::Lingering;
}

void AnswerSteps::begin()
{
    // A lingering step is the last; nothing held waits behind it.
    if (!steps_.empty() && !steps_.back().holds)
        steps_.pop_back();
    if (steps_.empty())
        timer_.stop();
    open_ = true;
}

void AnswerSteps::end()
{
    open_ = false;
    settle();
}

void AnswerSteps::add(int ms, Step step, bool holds)
{
    steps_.push_back({ms, std::move(step), holds});
    if (steps_.size() == 1)
        timer_.start(ms);
}

void AnswerSteps::stop()
{
    timer_.stop();
    steps_.clear();
    open_ = false;
    settle();
}

void AnswerSteps::runNow()
{
    if (steps_.empty())
        return;
    timer_.stop();
    const Step step = std::move(steps_.front().step);
    steps_.pop_front();
    // The step may close the window, and this object with it.
    QPointer<AnswerSteps> alive(this);
    step();
    if (!alive)
        return;
    if (!steps_.empty() && !timer_.isActive())
        timer_.start(steps_.front().ms);
    settle();
}

void AnswerSteps::settle()
{
    if (state() != State::Judging && judgementOver_)
        judgementOver_();
}
