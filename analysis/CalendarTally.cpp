#include "analysis/CalendarTally.h"

#include "analysis/DatedPlays.h"
#include "platform/Colors.h"

#include <algorithm>

namespace calendar {

int bucket(std::int64_t plays)
{
    if (plays <= 0)
        return 0;
    return int(std::min<std::int64_t>((plays + 1) / 2, 6));
}

QColor countColor(std::int64_t plays)
{
    const int b = bucket(plays);
    // The first six pastels run pink, light orange, light yellow, light
    // green, light cyan, light blue: one for each bucket.
    return b == 0 ? QColor() : colors::pastel(b);
}

std::int64_t MonthTable::at(int m, int dayOfMonth) const
{
    if (!played || m < 0 || m >= months)
        return 0;
    const QDate first = month(m);
    const QDate day(first.year(), first.month(), dayOfMonth);
    return day.isValid() ? played->on(day.toJulianDay()).count : 0;
}

MonthTable monthTable(std::shared_ptr<const PlayedDays> played)
{
    MonthTable t;
    if (!played || played->empty())
        return t;
    const QDate first = played->first();
    t.firstMonth = QDate(first.year(), first.month(), 1);
    t.months = dates::monthsBetween(first, played->last()) + 1;
    t.periodDays = played->periodDays();
    for (size_t i = 0; i < played->size(); ++i)
        ++t.days[size_t(bucket(played->totals(i).count))];
    t.days[0] = t.periodDays - std::int64_t(played->size());
    t.played = std::move(played);
    return t;
}

QDate weekStart(const QDate& first) { return first.addDays(-(dates::weekday(first) - 1)); }

std::int64_t WeekTable::at(int week, int weekday) const
{
    if (!played || week < 0 || week >= weeks || weekday < 1 || weekday > 7)
        return 0;
    return played->on(firstSunday.toJulianDay() + 7 * std::int64_t(week) + weekday - 1).count;
}

WeekTable weekTable(std::shared_ptr<const PlayedDays> played)
{
    WeekTable t;
    if (!played || played->empty())
        return t;
    t.firstSunday = weekStart(played->first());
    const std::int64_t start = t.firstSunday.toJulianDay();
    t.weeks = int((played->lastDay() - start) / 7 + 1);
    for (size_t i = 0; i < played->size(); ++i) {
        const size_t weekday = size_t((played->day(i) - start) % 7);  // start is at or before every play
        t.plays[weekday] += played->totals(i).count;
        t.tenths[weekday] += played->totals(i).tenths;
    }
    t.played = std::move(played);
    return t;
}

}  // namespace calendar
