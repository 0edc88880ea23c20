#pragma once
// The compound combine puzzle without a window: the words of the compound
// dictionary that can be set, one question (the components of a two-kanji
// word's two kanji mixed together), and which answers are right.
#include "dictionary/KanjiLevel.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

class Dictionary;
class Random;

struct CompoundQuestion {
    static constexpr int MaxComponents = 12;  // the number of component labels

    QString answer;     // the word: the first two characters of the drawn compound
    QStringList parts;  // both kanji's components in display order
    // Each kanji's components in stored order: what the hint colours by.
    std::array<QStringList, 2> kanjiParts;

    bool empty() const { return answer.isEmpty(); }

    // For each label 1..parts.size(), the kanji (1 or 2) whose colour it
    // takes under the hint, 0 for none: kanji 1's components, then kanji
    // 2's, each claim the first label in display order that shows it and is
    // not yet claimed, so a component both kanji have colours one label each.
    std::vector<int> hintKanji() const;
};

// The compound dictionary as far as the game can use it, taken from the
// tables once when the window opens. A word can be set when it has two
// characters that both have an entry in the kanji table and whose
// components fit the labels, and whose two kanji the level admits; any
// other word is never drawn, though it is a right answer all the same.
class CompoundWords {
public:
    CompoundWords() = default;
    explicit CompoundWords(const Dictionary& dictionary, const KanjiLevel& level = {});

    bool empty() const { return usable_.empty(); }
    int size() const { return int(usable_.size()); }

    // A question from compound `compound` (1-based), its components dealt
    // into the labels at random; empty when that word cannot be set.
    CompoundQuestion question(int compound, Random& random) const;
    // A question drawn uniformly from the words that can be set; empty when
    // there are none (never a search that cannot end).
    CompoundQuestion draw(Random& random) const;
    // The words that can be set, in the order draw() takes them from, and
    // the question of the one at `position` there.
    QStringList questions() const;
    CompoundQuestion questionAt(int position, Random& random) const;

    // Right is the word itself, or any other word of the compound dictionary
    // built of exactly the shown components in any order (社会 for 会社).
    // No trimming and no folding.
    bool isRight(const CompoundQuestion& question, QStringView typed) const;

private:
    // The components of each kanji of `word` from its first entry; false
    // when a kanji has none or they do not fit the labels.
    bool componentsOf(QStringView word, std::array<QStringList, 2>* parts) const;

    QStringList compounds_;               // every word, by compound index - 1
    QHash<QString, QStringList> kousei_;  // kanji -> its entries' components, table order
    QSet<QString> words_;                 // every word of the compound dictionary
    std::vector<int> usable_;             // compound indices that can be set
};
