#include "analysis/WholeHistory.h"

#include "analysis/RecordDates.h"
#include "platform/Duration.h"

#include <algorithm>

void PlayTotals::add(float playSeconds)
{
    ++count;
    const std::int64_t t = duration::tenths(playSeconds);
    tenths += t;
    maxTenths = std::max(maxTenths, t);
}

std::int64_t PlayTotals::seconds() const { return duration::wholeSeconds(tenths); }

std::int64_t PlayTotals::maxSeconds() const { return duration::wholeSeconds(maxTenths); }

std::int64_t PlayTotals::averageTenths() const
{
    if (count <= 0)
        return 0;
    // The exact quotient, halves away from zero.
    return (2 * tenths + (tenths >= 0 ? count : -count)) / (2 * count);
}

QString PlayTotals::averageText() const
{
    const std::int64_t tenths = averageTenths();
    const std::int64_t whole = tenths / 10;
    const std::int64_t tenth = tenths % 10;
    return QStringLiteral("%1%2.%3")
        .arg(tenths < 0 && whole == 0 ? QStringLiteral("-") : QString())
        .arg(whole)
        .arg(std::abs(tenth));
}

WholeHistory WholeHistory::compute(const RecordTable& table, const QStringList& itemNames)
{
    WholeHistory h;
    h.items.resize(size_t(itemNames.size()));
    // Each record's day, read once; the log is in date order but for a rare
    // clock change, so most records repeat the date before them.
    std::vector<QDate> dates;
    dates.reserve(size_t(table.size()));
    QDate first, last;
    QStringView previousText;
    QDate previous;
    for (const RecordView& r : table.records()) {
        if (r.date != previousText || dates.empty()) {
            previousText = r.date;
            previous = recorddate::parse(r.date);
        }
        dates.push_back(previous);
        if (previous.isValid()) {
            if (!first.isValid() || previous < first)
                first = previous;
            if (!last.isValid() || previous > last)
                last = previous;
        }
        for (qsizetype j = 0; j < itemNames.size() && countsInTotals(r); ++j)
            if (r.item == itemNames[j])
                h.items[size_t(j)].add(r.seconds);
    }
    if (!first.isValid())
        return h;
    h.firstDay = first;
    h.days.resize(size_t(first.daysTo(last) + 1));
    size_t i = 0;
    for (const RecordView& r : table.records()) {
        const QDate& d = dates[i++];
        if (d.isValid() && countsInTotals(r))
            h.days[size_t(first.daysTo(d))].add(r.seconds);
    }
    return h;
}
