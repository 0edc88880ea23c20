#pragma once
// Drills drawn from the learner's own answers, Leitner style: every question
// of a game sits in a box from 1 to 5, a question never asked in box 3. A
// miss or a give-up puts it in box 1, a right answer one box up; a question
// in box b is drawn with weight 2^(5 - b), so a kanji missed lately comes
// back sixteen times as often as one the learner knows well.
#include "records/AnswerFile.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class AnswerLog;
class Random;

class LeitnerBoxes {
public:
    static constexpr int Lowest = 1;
    static constexpr int Highest = 5;
    static constexpr int NeverAsked = 3;
    static int weight(int box) { return 1 << (Highest - box); }

    // The boxes after every answer of `game` in the log, in the log's order.
    static LeitnerBoxes fromLog(const AnswerLog& log, int game);

    int box(const QString& question) const { return boxes_.value(question, NeverAsked); }
    // One answer to `question`. `completes`: the answer ended the question
    // with all of it answered (in 解体, the last component found); other
    // right answers move nothing. A question left open at the end moves
    // nothing either.
    void answered(const QString& question, Verdict verdict, bool completes);

private:
    QHash<QString, std::uint8_t> boxes_;
};

// A draw among a fixed list of questions, each with the weight of its box.
// With every weight equal it is the uniform draw: the same random number
// picks the same question.
class WeightedDraw {
public:
    // `questions[i]` is what candidate i asks (a kanji, a word); several
    // candidates may ask the same.
    WeightedDraw(QStringList questions, LeitnerBoxes boxes);

    bool empty() const { return weights_.empty(); }
    // A candidate's position, 0-based; -1 when there is none.
    int draw(Random& random) const;
    // The position that the uniform number `r` in [0, 1) picks.
    int pick(double r) const;
    // An answer of the play under way moves its question's box at once.
    void answered(const QString& question, Verdict verdict, bool completes);
    const LeitnerBoxes& boxes() const { return boxes_; }

private:
    void reweigh(const QString& question);

    QStringList questions_;
    QHash<QString, std::vector<int>> positions_;
    std::vector<std::uint32_t> weights_;
    std::uint64_t total_ = 0;
    LeitnerBoxes boxes_;
};
