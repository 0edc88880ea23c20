#pragma once
// What follows a judged answer or give-up, as timed steps: the answer shown
// a moment (in red, in green, the whole kanji), then the next question. Each
// step runs from a single-shot timer, so the window's events run between the
// steps as at any other time, and a window that closes or a play that ends
// meanwhile only has to drop what still waits.
//
// Judging: from the judgement until its last held step has run. The next
// question is not up yet, so answers and give-ups are not judged.
// Lingering: one step waits with the next question already up (the right
// answer left beside it); answers are judged again, and the next judgement
// drops that step.
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

class AnswerSteps : public QObject {
public:
    enum class State { Ready, Judging, Lingering };
    using Step = std::function<void()>;

    explicit AnswerSteps(QObject* parent = nullptr);

    State state() const;
    bool judging() const { return state() == State::Judging; }

    // A judgement: the lingering step is dropped, and the state is Judging
    // until end() and every step held meanwhile has run.
    void begin();
    void end();
    // `step` runs `ms` after the step before it (after now when none waits);
    // a held one keeps the state Judging, a lingering one does not.
    void hold(int ms, Step step) { add(ms, std::move(step), true); }
    void linger(int ms, Step step) { add(ms, std::move(step), false); }
    // Drops every waiting step; the state is Ready.
    void stop();
    // Called when a judgement is over: its held steps have run or were dropped.
    void onJudgementOver(Step callback) { judgementOver_ = std::move(callback); }

    // The wait before the next step, -1 when none waits; runNow() runs it
    // at once, as its timer would (for tests, which do not wait).
    int waitingMs() const { return steps_.empty() ? -1 : steps_.front().ms; }
    void runNow();

private:
    struct Timed {
        int ms;
        Step step;
        bool holds;
    };
    void add(int ms, Step step, bool holds);
    void settle();

    std::deque<Timed> steps_;
    bool open_ = false;
    QTimer timer_;
    Step judgementOver_;
};
