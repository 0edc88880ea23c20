#pragma once
// Deals a list of characters into display slots 1..n in random order: for
// each slot in turn, a uniform position in what is left of the list.
#include <QStringList>

class Random;

QStringList shuffleIntoSlots(QStringList items, Random& random);
