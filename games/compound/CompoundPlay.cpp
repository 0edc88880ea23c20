#include "games/compound/CompoundPlay.h"

#include "games/frame/PlayFrame.h"

bool CompoundPlay::answer(const QString& typed)
{
    if (!play_.playing() || question_.empty())
        return false;
    const bool right = words_.isRight(question_, typed);
    play_.countAnswer(right);
    // Characters as the player sees them, not UTF-16 units.
    play_.addToGameCounter(int(QStringView(typed).toUcs4().size()));
    return right;
}

void CompoundPlay::giveUp()
{
    if (!play_.playing() || question_.empty())
        return;
    play_.countAnswer(false);
}

int CompoundPlay::typedChars() const { return play_.gameCounter(); }
