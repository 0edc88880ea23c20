#pragma once
// Plausible play-record files for tests and benchmarks: a few plays a day,
// in date order, every game, seconds with and without fractions.
#include <QString>

namespace recordgen {

// The text of a record file with `count` records, starting 2006/01/01; the
// same count always gives the same text.
QString text(int count, int playsPerDay = 4);

}  // namespace recordgen
