#pragma once
// The draw of a play with 苦手を優先 ticked: the Leitner boxes of the
// learner's answers to the game, taken from the answer log when the play
// starts (the countdown hides the time a long log takes), and a weighted
// draw among the game's questions made at the play's first question, so
// that whatever narrows the candidates has already done so. The play's own
// answers move the boxes at once. Off, it draws nothing and the game keeps
// its uniform draw.
#include "analysis/Leitner.h"
#include "records/AnswerFile.h"

#include <QStringList>

#include <functional>
#include <optional>

class AnswerLog;
class Random;

class MissDraw {
public:
    // On for the play about to start, with the boxes of `log`'s answers to
    // game `game` (1 合体 ... 7 しりとり).
    void start(const AnswerLog& log, int game);
    // Off: draw() gives -1.
    void stop();
    bool on() const { return boxes_.has_value() || draw_.has_value(); }

    // The position among the game's questions of the next one; `questions`
    // gives what each candidate asks, in the order of the game's own draw,
    // and is asked once a play. -1 when off or there is no candidate.
    int draw(const std::function<QStringList()>& questions, Random& random);
    // A judged answer of the play: its question's box moves. In 解体 only the
    // answer that finds the last component counts as a right one.
    void answered(const Answer& answer);

    // The box `question` sits in now, 3 when off.
    int box(const QString& question) const;

private:
    std::optional<LeitnerBoxes> boxes_;  // until the first draw
    std::optional<WeightedDraw> draw_;   // from then on
};
