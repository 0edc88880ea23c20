#include "games/combine/CombineQuestion.h"

#include "dictionary/Dictionary.h"
#include "games/frame/SlotShuffle.h"

CombineQuestion CombineQuestion::fromEntry(const Dictionary& dictionary, int entry, Random& random)
{
    CombineQuestion q;
    if (entry < 1 || entry > dictionary.kanjiCount())
        return q;
    q.answer = dictionary.kansei(entry);
    q.parts = dealComponents(dictionary, entry, MaxComponents, random);
    return q;
}

CombineQuestion CombineQuestion::draw(const Dictionary& dictionary, Random& random)
{
    return fromEntry(dictionary, dictionary.randomQuestion(random), random);
}

bool CombineQuestion::isRight(const QString& typed, const Dictionary& dictionary) const
{
    if (empty())
        return false;
    return typed == answer || dictionary.buildsFrom(typed, parts.join(QString()));
}

CombineQuestion CombineQuestion::sample(const Dictionary& dictionary, Random& random)
{
    return fromEntry(dictionary, sampleEntry(dictionary, random), random);
}
