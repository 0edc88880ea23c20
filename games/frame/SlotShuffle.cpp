#include "games/frame/SlotShuffle.h"

#include "dictionary/Dictionary.h"
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

QStringList dealComponents(const Dictionary& dictionary, int entry, int slotCount, Random& random)
{
    if (entry < 1 || entry > dictionary.kanjiCount())
        return {};
    return shuffleIntoSlots(Dictionary::components(dictionary.kousei(entry)).mid(0, slotCount), random);
}

int sampleEntry(const Dictionary& dictionary, Random& random)
{
    const int entry = dictionary.randomKanjiWithAtLeast(3, random);
    return entry != 0 ? entry : dictionary.randomQuestion(random);
}
