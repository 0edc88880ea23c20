#pragma once
// Plausible play-record files for tests and benchmarks: a few plays a day,
// in date order, every game, seconds with and without fractions.
#include "records/RecordFile.h"

#include <QString>
#include <QStringList>

namespace recordgen {

// The text of a record file with `count` records, starting 2006/01/01; the
// same count always gives the same text.
QString text(int count, int playsPerDay = 4);

// `count` records over `days` days from 2006/01/01, in date order, as a
// learner's log looks: days without play, light days and busy ones.
QString spread(int count, int days);

// Every item of record `r` as the file holds it, decoded, joined by U+001F
// (no item holds it): date, time, item, seconds, note, spare.
QString itemsOf(const RecordTable& t, const RecordView& r);

}  // namespace recordgen
