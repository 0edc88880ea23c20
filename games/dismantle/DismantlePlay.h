#pragma once
// The dismantle rules over a running play: every typed component is one
// answer, right when it fills a slot. A kanji counts as done the moment its
// last slot is filled or it is given up, also by the answer that ends a
// count-mode play.
#include "games/dismantle/DismantleQuestion.h"

class PlayFrame;

class DismantlePlay {
public:
    struct Judgement {
        int slot = -1;           // the slot filled, -1 for a wrong answer
        bool completed = false;  // that answer filled the kanji's last slot
        bool right() const { return slot >= 0; }
    };

    explicit DismantlePlay(PlayFrame& play) : play_(play) {}

    void setQuestion(DismantleQuestion q) { question_ = std::move(q); }
    const DismantleQuestion& question() const { return question_; }
    DismantleQuestion& question() { return question_; }

    // One typed answer. Outside a play, or once the kanji is complete or
    // given up, nothing is judged.
    Judgement answer(const QString& typed);
    // Every slot red: one wrong answer however many were open, and one
    // kanji done. False when there was nothing to give up.
    bool giveUp();

    // kanjiDone: the kanji finished in this play, found whole or given up.
    int kanjiDone() const;

private:
    bool acceptsAnswers() const;

    PlayFrame& play_;
    DismantleQuestion question_;
};
