#pragma once
// The dismantle puzzle without a window: one finished kanji and its
// components dealt into slots, each slot open until its component is typed.
#include "dictionary/ComponentVariants.h"

#include <QString>
#include <QStringList>

#include <vector>

class Dictionary;
class Random;

class DismantleQuestion {
public:
    static constexpr int MaxComponents = 6;  // the number of slots

    enum class Slot {
        Open,     // not typed yet: a blank slot
        Found,    // typed: shown in green
        GivenUp,  // shown in red after a give-up
        Shown,    // shown in green without being typed (the idle sample, a time-out)
    };

    bool empty() const { return kanji_.isEmpty(); }
    const QString& kanji() const { return kanji_; }
    const QStringList& parts() const { return parts_; }  // in slot order
    int slotCount() const { return int(parts_.size()); }
    Slot slot(int i) const { return slots_[size_t(i)]; }  // 0-based

    // Fills the first open slot, in slot order, whose component is `typed`
    // or one of its listed variants (氵 for 水, ウ for 宀); no trimming, no
    // folding, so two components at once match none. Returns its index, or
    // -1 when no open slot matches. A character standing for two components
    // (疒 for 广冫) fills an open slot of each, or none when one is missing;
    // the lower index is returned.
    int fill(const QString& typed, const ComponentVariants& variants = ComponentVariants::shipped());
    // No slot is open.
    bool complete() const;
    void giveUp();  // every slot turns red
    void reveal();  // every slot shows in green

    // The question of dictionary entry `entry` (1-based), its components
    // dealt into the slots at random, all open.
    static DismantleQuestion fromEntry(const Dictionary& dictionary, int entry, Random& random);
    // A question drawn from the entries that are not primitive; empty when
    // the table has none.
    static DismantleQuestion draw(const Dictionary& dictionary, Random& random);
    // The sample shown while idle, every component showing: an entry of at
    // least three components, or any entry when the table has none that big.
    static DismantleQuestion sample(const Dictionary& dictionary, Random& random);

private:
    int fillPair(const QString& pair);

    QString kanji_;
    QStringList parts_;
    std::vector<Slot> slots_;
};
