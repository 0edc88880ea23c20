#pragma once
// The compound combine rules over a running play: each entered word is one
// answer, and every character entered, right or wrong, counts into the
// play's typedChars (the rate's numerator and the history's sixth value).
#include "games/compound/CompoundQuestion.h"

class PlayFrame;

class CompoundPlay {
public:
    explicit CompoundPlay(PlayFrame& play) : play_(play) {}

    // The usable words, taken afresh from the tables.
    void setWords(CompoundWords words) { words_ = std::move(words); }
    const CompoundWords& words() const { return words_; }

    void setQuestion(CompoundQuestion q) { question_ = std::move(q); }
    const CompoundQuestion& question() const { return question_; }

    // One entered answer: counted right or wrong, its characters into
    // typedChars. Outside a play nothing is counted and it is not right.
    bool answer(const QString& typed);
    // A give-up: one wrong answer, no characters.
    void giveUp();

    int typedChars() const;

private:
    PlayFrame& play_;
    CompoundWords words_;
    CompoundQuestion question_;
};
