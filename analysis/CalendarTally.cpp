#include "analysis/CalendarTally.h"

#include "platform/Colors.h"
#include "platform/Duration.h"

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

MonthTable monthTable(const DatedPlays& plays)
{
    MonthTable t;
    if (plays.empty())
        return t;
    const QDate first = plays.first();
    t.firstMonth = QDate(first.year(), first.month(), 1);
    t.months = dates::monthsBetween(first, plays.last()) + 1;
    t.counts.assign(size_t(t.months) * 31, 0);
    t.periodDays = first.daysTo(plays.last()) + 1;

    std::int64_t cachedDay = -1;
    size_t cachedCell = 0;
    for (const DatedPlay& p : plays.plays()) {
        if (p.day != cachedDay) {
            const QDate d = QDate::fromJulianDay(p.day);
            cachedDay = p.day;
            cachedCell = size_t(dates::monthsBetween(first, d)) * 31 + size_t(d.day() - 1);
        }
        ++t.counts[cachedCell];
    }

    std::int64_t played = 0;
    for (std::int64_t c : t.counts) {
        const int b = bucket(c);
        if (b > 0) {
            ++t.days[size_t(b)];
            ++played;
        }
    }
    t.days[0] = std::max<std::int64_t>(0, t.periodDays - played);
    return t;
}

QDate weekStart(const QDate& first) { return first.addDays(-(dates::weekday(first) - 1)); }

WeekTable weekTable(const DatedPlays& plays)
{
    WeekTable t;
    if (plays.empty())
        return t;
    t.firstSunday = weekStart(plays.first());
    const std::int64_t start = t.firstSunday.toJulianDay();
    t.weeks = int((plays.last().toJulianDay() - start) / 7 + 1);
    t.counts.assign(size_t(t.weeks) * 7, 0);
    for (const DatedPlay& p : plays.plays()) {
        const std::int64_t offset = p.day - start;  // never negative: start is at or before every play
        const size_t weekday = size_t(offset % 7);
        ++t.counts[size_t(offset / 7) * 7 + weekday];
        ++t.plays[weekday];
        t.tenths[weekday] += duration::tenths(p.seconds);
    }
    return t;
}

}  // namespace calendar
