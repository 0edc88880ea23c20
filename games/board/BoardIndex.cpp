#include "games/board/BoardIndex.h"

#include "dictionary/Dictionary.h"

#include <algorithm>

BoardIndex::BoardIndex(const Dictionary& dictionary) : dictionary_(dictionary)
{
    const QString all = dictionary.distinctComponents();
    for (const QString& c : Dictionary::components(all)) {
        ids_.insert(c, int(components_.size()));
        components_.push_back(c);
    }
    for (int i = 1; i <= dictionary.kanjiCount(); ++i) {
        if (dictionary.isPrimitive(i))
            continue;
        entries_.push_back(i);
        std::vector<int> distinct;
        for (const QString& c : Dictionary::components(dictionary.kousei(i))) {
            const int id = ids_.value(c);
            parts_.push_back(id);
            if (std::find(distinct.begin(), distinct.end(), id) == distinct.end())
                distinct.push_back(id);
        }
        offsets_.push_back(int(parts_.size()));
        if (fewestDistinct_ == 0 || int(distinct.size()) < fewestDistinct_)
            fewestDistinct_ = int(distinct.size());
    }
}

bool BoardIndex::fitsOnBoard(int tiles) const { return fewestDistinct_ > 0 && fewestDistinct_ <= tiles; }
