#pragma once
// The days that hold a play, in date order, each with its totals and its
// totals per game. Every table over a period (a row a day, a week or a
// month from the first play to the last) answers its rows from these when
// they are shown: a period from year 1 to 9999 costs what the days played
// cost, not what the days between them would.
#include "analysis/PlayTotals.h"

#include <QDate>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class DatedPlays;

class PlayedDays {
public:
    struct Play {
        std::int64_t day = 0;  // Julian day number
        int item = 0;          // 1-based game, 0 for none of the list
        std::int64_t tenths = 0;
    };
    struct ItemSum {
        std::int64_t count = 0;
        std::int64_t tenths = 0;
    };
    // Played days [begin, end) by index.
    struct Span {
        size_t begin = 0, end = 0;
        bool empty() const { return begin == end; }
    };

    PlayedDays() = default;
    // Plays in any order; games outside 1..itemCount count in the day's
    // totals only.
    static PlayedDays from(std::vector<Play> plays, int itemCount);
    static PlayedDays from(const DatedPlays& plays, int itemCount);

    bool empty() const { return days_.empty(); }
    int items() const { return items_; }
    // The period: the first and the last day played (Julian day numbers).
    std::int64_t firstDay() const { return days_.empty() ? 0 : days_.front(); }
    std::int64_t lastDay() const { return days_.empty() ? 0 : days_.back(); }
    QDate first() const { return days_.empty() ? QDate() : QDate::fromJulianDay(days_.front()); }
    QDate last() const { return days_.empty() ? QDate() : QDate::fromJulianDay(days_.back()); }
    // Days of the period, both ends included; 0 when nothing was played.
    std::int64_t periodDays() const { return days_.empty() ? 0 : days_.back() - days_.front() + 1; }

    // The days played, by index in date order.
    size_t size() const { return days_.size(); }
    std::int64_t day(size_t i) const { return days_[i]; }
    const PlayTotals& totals(size_t i) const { return totals_[i]; }
    const ItemSum& item(size_t i, int item) const { return itemSums_[i * size_t(items_) + size_t(item - 1)]; }

    // The days played from `fromDay` up to, not including, `toDay`.
    Span span(std::int64_t fromDay, std::int64_t toDay) const;
    // The index of `day` when it was played.
    std::optional<size_t> find(std::int64_t day) const;
    // What `day` holds: empty totals for a day without play.
    PlayTotals on(std::int64_t day) const;

private:
    int items_ = 0;
    std::vector<std::int64_t> days_;
    std::vector<PlayTotals> totals_;
    std::vector<ItemSum> itemSums_;  // per day and game, row-major
};
