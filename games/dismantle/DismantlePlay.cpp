#include "games/dismantle/DismantlePlay.h"

#include "games/frame/PlayFrame.h"

bool DismantlePlay::acceptsAnswers() const
{
    if (!play_.playing() || question_.empty())
        return false;
    // A given-up kanji has no open slot either: it waits for the next one.
    return !question_.complete();
}

DismantlePlay::Judgement DismantlePlay::answer(const QString& typed)
{
    Judgement j;
    if (!acceptsAnswers())
        return j;
    j.slot = question_.fill(typed);
    play_.countAnswer(j.right());
    j.completed = j.right() && question_.complete();
    if (j.completed)
        play_.addToGameCounter();
    return j;
}

bool DismantlePlay::giveUp()
{
    if (!acceptsAnswers())
        return false;
    question_.giveUp();
    play_.countAnswer(false);
    play_.addToGameCounter();
    return true;
}

int DismantlePlay::kanjiDone() const { return play_.gameCounter(); }
