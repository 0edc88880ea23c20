#pragma once
// Every play since the first one, summed per item and per calendar day.
#include "records/RecordFile.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <vector>

struct PlayTotals {
    std::int64_t count = 0;
    std::int64_t tenths = 0;     // exact
    std::int64_t maxTenths = 0;  // the longest play

    void add(float playSeconds);
    // Whole seconds, rounded once, halves to even.
    std::int64_t seconds() const;
    std::int64_t maxSeconds() const;
    // seconds / count in tenths, halves away from zero on the exact
    // quotient (0 with no play), and as text with one decimal ("0.0").
    std::int64_t averageTenths() const;
    QString averageText() const;
};

class WholeHistory {
public:
    static WholeHistory compute(const RecordTable& table, const QStringList& itemNames);

    std::vector<PlayTotals> items;  // per item of the list, matched by exact name
    // One row per calendar day from the earliest to the latest record date,
    // days without plays included. Every record counts on its own date, even
    // one written out of order after a clock change; a record whose date is
    // no date counts in the item totals only, one whose seconds no play can
    // take in none.
    QDate firstDay;
    std::vector<PlayTotals> days;
};
