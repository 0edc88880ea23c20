#pragma once
#include <QString>

#include <cstdint>

namespace duration {

// Whole seconds as h:mm:ss, hours unpadded and uncapped (3725 -> 1:02:05).
QString hms(std::int64_t seconds);

// Plays are timed to a tenth of a second, and every total is kept in exact
// tenths and rounded once where it is shown, so that the same plays give the
// same number on every screen. A play's seconds in tenths, halves to even (0
// for a value that is not finite):
std::int64_t tenths(double seconds);
// Tenths as whole seconds, halves to even (15 -> 2, 25 -> 2).
std::int64_t wholeSeconds(std::int64_t tenths);

// Rounds to a whole number, halves to even.
std::int64_t roundHalfEven(double value);

}  // namespace duration
