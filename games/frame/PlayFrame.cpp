#include "games/frame/PlayFrame.h"

#include "platform/Clock.h"
#include "platform/RecordLine.h"

#include <algorithm>
#include <cmath>

const Clock& PlayFrame::clock() const { return clock_ ? *clock_ : Clock::instance(); }

void PlayFrame::start()
{
    phase_ = Phase::CountingDown;
    countdownStep_ = 0;
    ok_ = ng_ = 0;
    gameCounter_ = 0;
    timeMode_ = mode_ == 1;
    timeLimit_ = settings.timeLimit;
}

bool PlayFrame::countdownTick()
{
    if (!countingDown()) {
        countdownStep_ = 0;
        return false;
    }
    ++countdownStep_;
    if (countdownStep_ < CountdownSteps)
        return false;
    phase_ = Phase::Playing;
    startMs_ = clock().monotonicMs();
    remainingShown_ = int(std::lround(timeLimit_));
    return true;
}

void PlayFrame::abandon()
{
    if (running())
        phase_ = Phase::Idle;
}

int PlayFrame::remainingSeconds() const
{
    // Whole seconds played, rounded: the one-second timer that asks is
    // started with the play, so its ticks fall on whole seconds give or take
    // a few milliseconds.
    const qint64 played = (clock().monotonicMs() - startMs_ + 500) / 1000;
    return int(std::lround(timeLimit_) - played);
}

int PlayFrame::tickRemaining()
{
    remainingShown_ = std::max(remainingSeconds(), 0);
    return remainingShown_;
}

int PlayFrame::barWidth(int fullWidth) const
{
    if (timeLimit_ <= 0)
        return 0;
    const double w = std::floor(double(remainingSeconds()) / timeLimit_ * 100 * fullWidth / 100);
    return w < 0 ? 0 : int(w);
}

double PlayFrame::elapsedSeconds() const { return double(clock().monotonicMs() - startMs_) / 1000.0; }

QString PlayFrame::elapsedText() const { return QString::number(std::max(0.0, elapsedSeconds()), 'f', 1); }

void PlayFrame::countAnswer(bool right)
{
    if (!playing())
        return;
    if (right)
        ++ok_;
    else
        ++ng_;
}

QString PlayFrame::fixedQuotient(qint64 numerator, qint64 denominator, int decimals)
{
    if (denominator <= 0 || numerator < 0)
        return QString::number(0.0, 'f', decimals);
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // Rounded half up on the exact quotient, in whole units of the last place.
    const qint64 units = (2 * numerator * scale + denominator) / (2 * denominator);
    QString text = QString::number(units / scale);
    if (decimals > 0)
        text += u'.' + QStringLiteral("%1").arg(units % scale, decimals, 10, QLatin1Char('0'));
    return text;
}

QString PlayFrame::accuracyText(int ok, int ng)
{
    const int answers = ok + ng;
    if (answers <= 0)
        return QStringLiteral("0.0%");
    return fixedQuotient(qint64(ok) * 100, answers, 1) + u'%';
}

QString PlayFrame::rateText(double numerator, double seconds)
{
    // The seconds are whole or tenths as shown: counted in tenths they are
    // exact, and so is the quotient that is rounded.
    const qint64 tenths = std::llround(seconds * 10);
    return fixedQuotient(std::llround(numerator) * 10, tenths, 2) + QStringLiteral("/秒");
}

const PlayResult& PlayFrame::finish(End end, int rateNumerator, const QString& sixthValue, const QString& noteSuffix)
{
    PlayResult r;
    r.timeMode = timeMode_;
    if (end == End::TimeOut) {
        r.secondsText = recordline::number(timeLimit_);
    } else if (timeMode_) {
        // Ended early (the game's own rule, a give-up): the time limit less
        // the seconds left on the display, not a second more by the clock.
        const int limit = int(std::lround(timeLimit_));
        const int played = std::clamp(limit - remainingShown_, 0, limit);
        r.secondsText = QString::number(played);
    } else {
        // The elapsed time as shown, to a tenth; a play cannot be shorter
        // than the display's smallest step, so the rate never divides by zero.
        QString shown = elapsedText();
        if (recordline::toDouble(shown) < 0.1)
            shown = QStringLiteral("0.1");
        r.secondsText = shown;
    }
    r.seconds = recordline::toDouble(r.secondsText);
    r.okCount = ok_;
    r.ngCount = ng_;
    r.rateNumerator = rateNumerator;
    r.sixthValue = sixthValue;
    r.noteSuffix = noteSuffix;
    r.accuracyText = accuracyText(ok_, ng_);
    r.rateText = rateText(rateNumerator, r.seconds);
    result_ = r;
    phase_ = Phase::Finished;
    return result_;
}
