#include "games/dismantle/DismantleQuestion.h"

#include "dictionary/ComponentVariants.h"
#include "dictionary/Dictionary.h"
#include "games/frame/SlotShuffle.h"

#include <algorithm>

int DismantleQuestion::fill(const QString& typed, const ComponentVariants& variants)
{
    if (const QList<uint> c = typed.toUcs4(); c.size() == 1) {
        if (const QString pair = variants.pairOf(char32_t(c[0])); !pair.isEmpty())
            return fillPair(pair);
    }
    for (int i = 0; i < slotCount(); ++i) {
        if (slots_[size_t(i)] == Slot::Open && variants.matches(typed, parts_[i])) {
            slots_[size_t(i)] = Slot::Found;
            return i;
        }
    }
    return -1;
}

int DismantleQuestion::fillPair(const QString& pair)
{
    std::vector<int> found;
    for (const QString& part : Dictionary::components(pair)) {
        int slot = -1;
        for (int i = 0; i < slotCount() && slot < 0; ++i)
            if (slots_[size_t(i)] == Slot::Open && parts_[i] == part &&
                std::find(found.begin(), found.end(), i) == found.end())
                slot = i;
        if (slot < 0)
            return -1;
        found.push_back(slot);
    }
    for (int i : found)
        slots_[size_t(i)] = Slot::Found;
    return *std::min_element(found.begin(), found.end());
}

bool DismantleQuestion::complete() const
{
    return std::none_of(slots_.begin(), slots_.end(), [](Slot s) { return s == Slot::Open; });
}

void DismantleQuestion::giveUp() { std::fill(slots_.begin(), slots_.end(), Slot::GivenUp); }

void DismantleQuestion::reveal() { std::fill(slots_.begin(), slots_.end(), Slot::Shown); }

DismantleQuestion DismantleQuestion::fromEntry(const Dictionary& dictionary, int entry, Random& random)
{
    DismantleQuestion q;
    if (entry < 1 || entry > dictionary.kanjiCount())
        return q;
    q.kanji_ = dictionary.kansei(entry);
    q.parts_ = dealComponents(dictionary, entry, MaxComponents, random);
    q.slots_.assign(size_t(q.parts_.size()), Slot::Open);
    return q;
}

DismantleQuestion DismantleQuestion::draw(const Dictionary& dictionary, Random& random)
{
    return fromEntry(dictionary, dictionary.randomQuestion(random), random);
}

DismantleQuestion DismantleQuestion::sample(const Dictionary& dictionary, Random& random)
{
    DismantleQuestion q = fromEntry(dictionary, sampleEntry(dictionary, random), random);
    q.reveal();
    return q;
}
