#pragma once
// Plausible answer logs for tests and benchmarks: every game, most answers
// right, a learner's usual share of misses, give-ups and time-outs.
#include <QByteArray>
#include <QDate>

namespace answergen {

// The bytes of an answer log of `count` lines, `perDay` a day, ending on
// `last`; the same arguments always give the same bytes.
QByteArray bytes(int count, QDate last, int perDay = 400);

}  // namespace answergen
