#pragma once
// Every play since the first one, summed per item and per calendar day.
#include "analysis/PlayTotals.h"
#include "analysis/PlayedDays.h"
#include "records/RecordFile.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class WholeHistory {
public:
    static WholeHistory compute(const RecordTable& table, const QStringList& itemNames);

    std::vector<PlayTotals> items;  // per item of the list, matched by exact name

    // One row per calendar day from the earliest to the latest record date,
    // days without plays included, answered from the days played. Every
    // record counts on its own date, even one written out of order after a
    // clock change; a record whose date is no date counts in the item totals
    // only, one whose seconds no play can take in none.
    QDate firstDay() const { return played_->first(); }
    std::int64_t dayRows() const { return played_->periodDays(); }
    PlayTotals day(std::int64_t row) const { return played_->on(played_->firstDay() + row); }
    const std::shared_ptr<const PlayedDays>& played() const { return played_; }

private:
    std::shared_ptr<const PlayedDays> played_ = std::make_shared<PlayedDays>();
};
