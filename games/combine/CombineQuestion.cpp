#include "games/combine/CombineQuestion.h"

#include "dictionary/Dictionary.h"
#include "games/frame/SlotShuffle.h"

CombineQuestion CombineQuestion::fromEntry(const Dictionary& dictionary, int entry, Random& random)
{
    CombineQuestion q;
    if (entry < 1 || entry > dictionary.kanjiCount())
        return q;
    q.answer = dictionary.kansei(entry);
    QStringList parts = Dictionary::components(dictionary.kousei(entry));
    if (parts.size() > MaxComponents)
        parts = parts.mid(0, MaxComponents);
    q.parts = shuffleIntoSlots(parts, random);
    return q;
}

CombineQuestion CombineQuestion::draw(const Dictionary& dictionary, Random& random)
{
    return fromEntry(dictionary, dictionary.randomKanji(random), random);
}

CombineQuestion CombineQuestion::sample(const Dictionary& dictionary, Random& random)
{
    int entry = dictionary.randomKanjiWithAtLeast(3, random);
    if (entry == 0)
        entry = dictionary.randomKanji(random);
    return fromEntry(dictionary, entry, random);
}
