#pragma once
// The life of one play, without a window: Start, the three-step countdown,
// the play timed by the monotonic clock, the counters, the end and its
// figures. A game window shows this state and feeds it events; a test can
// play through it directly.
#include "games/frame/GameSettings.h"

#include <QString>

class Clock;

// The figures of a finished play. They are kept apart from the settings so
// that a later "保存" stores the play as it was, whatever was changed since.
struct PlayResult {
    bool timeMode = true;
    QString secondsText;  // "60" after a time-out, "35.2" in count mode
    double seconds = 0;
    int okCount = 0;
    int ngCount = 0;
    int rateNumerator = 0;
    QString sixthValue;
    QString noteSuffix;
    QString accuracyText;  // "85.7%"
    QString rateText;      // "0.42/秒"
    int answers() const { return okCount + ngCount; }
};

class PlayFrame {
public:
    enum class Phase { Idle, CountingDown, Playing, Finished };
    enum class End {
        TimeOut,       // time mode: the time ran out
        CountReached,  // count mode: the chosen number of answers was given
        Completed,     // the game's own rule ended the play early
    };
    static constexpr int CountdownSteps = 3;

    // The mode the next play takes: 1 time mode, 0 count mode.
    int mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode == 0 ? 0 : 1; }

    GameSettings settings;

    // The clock is Clock::instance() when none is given.
    explicit PlayFrame(Clock* clock = nullptr) : clock_(clock) {}

    Phase phase() const { return phase_; }
    bool countingDown() const { return phase_ == Phase::CountingDown; }
    bool playing() const { return phase_ == Phase::Playing; }
    bool running() const { return countingDown() || playing(); }
    int countdownStep() const { return countdownStep_; }

    // Counters to zero and the countdown begins. The play takes the mode and
    // the time limit in force now and keeps them to its end.
    void start();
    // One countdown step; true on the step that begins the play. Outside a
    // countdown it only resets the step.
    bool countdownTick();
    // The window goes away: the play ends with no result.
    void abandon();

    // Mode and time limit of the present or last play.
    bool timeMode() const { return timeMode_; }
    float timeLimit() const { return timeLimit_; }

    // Time mode: whole seconds left, by the clock (negative once over).
    int remainingSeconds() const;
    // Time mode: the one-second tick. Returns the seconds left, which the
    // window shows; a play that ends early stores the time limit less them,
    // so that the stored seconds are the ones the player saw go by.
    int tickRemaining();
    int remainingShown() const { return remainingShown_; }
    // Time mode: the time bar's width out of `fullWidth`, never negative.
    int barWidth(int fullWidth) const;
    bool timeIsUp() const { return playing() && timeMode_ && remainingSeconds() < 1; }
    // Count mode: seconds since the play began, as shown ("12.3").
    QString elapsedText() const;

    void countAnswer(bool right);
    int okCount() const { return ok_; }
    int ngCount() const { return ng_; }
    int answers() const { return ok_ + ng_; }
    // The game's own counter (kanji finished, characters typed); zeroed at Start.
    int gameCounter() const { return gameCounter_; }
    void addToGameCounter(int n = 1) { gameCounter_ += n; }
    // Count mode: the chosen number of answers has been given. The target is
    // read afresh, so changing it during a play moves the end of that play;
    // a target lowered below the answers already given ends it at the next answer.
    bool countReached() const { return playing() && !timeMode_ && answers() >= settings.answerTarget; }

    // Ends the play and works out its figures.
    const PlayResult& finish(End end, int rateNumerator, const QString& sixthValue, const QString& noteSuffix);
    const PlayResult& result() const { return result_; }
    // A finished play with at least one answer can be stored (again).
    bool storable() const { return phase_ == Phase::Finished && result_.answers() > 0; }

    static QString accuracyText(int ok, int ng);
    static QString rateText(double numerator, double seconds);
    // numerator / denominator to `decimals` places, halves rounded up, worked
    // out on whole numbers so that no binary fraction just below a half
    // rounds it down; "0.00" for no denominator.
    static QString fixedQuotient(qint64 numerator, qint64 denominator, int decimals);

private:
    const Clock& clock() const;
    double elapsedSeconds() const;

    Clock* clock_;
    Phase phase_ = Phase::Idle;
    int mode_ = 1;
    int gameCounter_ = 0;
    int countdownStep_ = 0;
    bool timeMode_ = true;
    float timeLimit_ = 60;
    qint64 startMs_ = 0;
    int remainingShown_ = 0;
    int ok_ = 0;
    int ng_ = 0;
    PlayResult result_;
};
