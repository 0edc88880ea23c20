#pragma once
// The plays of the log that carry a readable date, reduced to what the
// calendar and the aggregate tables count: the day, the game and the seconds.
// A line whose date cannot be read is left out rather than counted on a
// wrong day, and so is one whose seconds no play can take; the period runs from the earliest to the latest readable
// date, so that a play written after the clock was set back still finds its day.
#include <QDate>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

class RecordTable;

struct DatedPlay {
    std::int64_t day = 0;  // Julian day number
    int item = 0;          // 1-based position in the item names, 0 for none
    double seconds = 0;
};

class DatedPlays {
public:
    // Items are matched exactly against `itemNames` (in their order).
    static DatedPlays from(const RecordTable& table, const QStringList& itemNames);

    bool empty() const { return plays_.empty(); }
    const std::vector<DatedPlay>& plays() const { return plays_; }
    QDate first() const { return first_; }  // invalid when empty
    QDate last() const { return last_; }

private:
    std::vector<DatedPlay> plays_;
    QDate first_, last_;
};

namespace dates {

// A "yyyy/mm/dd" date that names a real day; nothing for anything else.
std::optional<QDate> parse(QStringView text);

// Month boundaries crossed from a's month to b's month (2023/12/31 to
// 2024/01/01 is 1).
int monthsBetween(const QDate& a, const QDate& b);

// Weekday number 1 (Sunday) to 7 (Saturday).
int weekday(const QDate& date);

}  // namespace dates
