#pragma once
// What a number of plays add up to: how many, their seconds in exact tenths
// and the longest of them.
#include <QString>

#include <cstdint>

struct PlayTotals {
    std::int64_t count = 0;
    std::int64_t tenths = 0;     // exact
    std::int64_t maxTenths = 0;  // the longest play

    void add(double playSeconds);
    void addTenths(std::int64_t playTenths);
    // Whole seconds, rounded once, halves to even.
    std::int64_t seconds() const;
    std::int64_t maxSeconds() const;
    // seconds / count in tenths, halves away from zero on the exact
    // quotient (0 with no play), and as text with one decimal ("0.0").
    std::int64_t averageTenths() const;
    QString averageText() const;
};
