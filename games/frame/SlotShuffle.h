#pragma once
// Deals a list of characters into display slots 1..n in random order: for
// each slot in turn, a uniform position in what is left of the list.
#include <QStringList>

class Random;

QStringList shuffleIntoSlots(QStringList items, Random& random);

class Dictionary;

// The components of kanji entry `entry`, at most `slotCount` of them, dealt into
// slots in random order; empty for an index outside the table.
QStringList dealComponents(const Dictionary& dictionary, int entry, int slotCount, Random& random);

// The entry of an idle sample: one with at least three components when the
// table has any, otherwise any entry that is not primitive (0 when none is).
int sampleEntry(const Dictionary& dictionary, Random& random);
