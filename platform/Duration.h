#pragma once
#include <QString>

#include <cstdint>

namespace duration {

// Whole seconds as h:mm:ss, hours unpadded and uncapped (3725 -> 1:02:05).
QString hms(std::int64_t seconds);

// Adds one play's seconds to a running whole-second total and rounds the sum
// to a whole number, halves to even (10 + 10.5 -> 20).
std::int64_t addRounded(std::int64_t total, double seconds);

// Rounds to a whole number, halves to even.
std::int64_t roundHalfEven(double value);

}  // namespace duration
