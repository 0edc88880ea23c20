#pragma once
// The combine puzzle without a window: the components of one kanji in
// shuffled order, and the kanji they make.
#include <QString>
#include <QStringList>

class Dictionary;
class Random;

struct CombineQuestion {
    static constexpr int MaxComponents = 6;  // the number of component labels

    QString answer;     // the finished kanji
    QStringList parts;  // components in display order, 1 to 6 of them

    bool empty() const { return answer.isEmpty(); }
    // Right for the kanji drawn and for any other kanji of the dictionary
    // built of exactly the shown components in any order (困 and 束 for 口
    // 木): the whole text, no trimming, no width or case folding.
    bool isRight(const QString& typed, const Dictionary& dictionary) const;

    // The question of dictionary entry `entry` (1-based), its components
    // dealt into the slots at random.
    static CombineQuestion fromEntry(const Dictionary& dictionary, int entry, Random& random);
    // A question drawn from the entries that are not primitive; empty when
    // the table has none.
    static CombineQuestion draw(const Dictionary& dictionary, Random& random);
    // The sample shown while idle: an entry of at least three components,
    // or any entry when the table has none that big; empty when the table is.
    static CombineQuestion sample(const Dictionary& dictionary, Random& random);
};
