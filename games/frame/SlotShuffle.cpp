#include "games/frame/SlotShuffle.h"

#include "platform/Random.h"

QStringList shuffleIntoSlots(QStringList items, Random& random)
{
    QStringList dealt;
    const qsizetype n = items.size();
    dealt.reserve(n);
    for (qsizetype j = 0; j < n; ++j)
        dealt << items.takeAt(random.position(int(items.size())));
    return dealt;
}
