#include "analysis/AggregateTally.h"

#include "platform/Duration.h"

namespace aggregate {

Tally tally(const DatedPlays& plays, Unit unit, int itemCount)
{
    Tally t;
    t.unit = unit;
    t.items = itemCount;
    if (plays.empty())
        return t;
    const QDate first = plays.first();
    if (unit == Unit::Day) {
        t.first = first;
        t.rows = int(first.daysTo(plays.last()) + 1);
    } else {
        t.first = QDate(first.year(), first.month(), 1);
        t.rows = dates::monthsBetween(first, plays.last()) + 1;
    }
    t.tenths.assign(size_t(t.rows), 0);
    t.counts.assign(size_t(t.rows), 0);
    t.itemTenths.assign(size_t(t.rows) * size_t(itemCount), 0);
    t.itemCounts.assign(size_t(t.rows) * size_t(itemCount), 0);

    const std::int64_t firstDay = first.toJulianDay();
    std::int64_t cachedDay = -1;
    size_t row = 0;
    for (const DatedPlay& p : plays.plays()) {
        if (p.day != cachedDay) {
            cachedDay = p.day;
            row = unit == Unit::Day ? size_t(p.day - firstDay)
                                    : size_t(dates::monthsBetween(first, QDate::fromJulianDay(p.day)));
        }
        const std::int64_t tenths = duration::tenths(p.seconds);
        t.tenths[row] += tenths;
        ++t.counts[row];
        if (p.item >= 1 && p.item <= itemCount) {
            const size_t cell = row * size_t(itemCount) + size_t(p.item - 1);
            t.itemTenths[cell] += tenths;
            ++t.itemCounts[cell];
        }
    }
    return t;
}

QString rowLabel(const Tally& tally, int row)
{
    if (tally.unit == Unit::Day)
        return tally.first.addDays(row - 1).toString(QStringLiteral("yy/MM/dd"));
    return tally.first.addMonths(row - 1).toString(QStringLiteral("yy/MM"));
}

namespace {

QString subtotal(Kind kind, std::int64_t tenths, std::int64_t count)
{
    const std::int64_t seconds = duration::wholeSeconds(tenths);
    switch (kind) {
    case Kind::Counts:
        return QString::number(count);
    case Kind::Time:
        return duration::hms(seconds);
    case Kind::TimeAndCounts:
        break;
    }
    return duration::hms(seconds) + QStringLiteral(" (") + QString::number(count) + u')';
}

QString itemValue(Kind kind, std::int64_t tenths, std::int64_t count)
{
    const std::int64_t seconds = duration::wholeSeconds(tenths);
    switch (kind) {
    case Kind::Counts:
        return QString::number(count);
    case Kind::Time:
        return QString::number(seconds);
    case Kind::TimeAndCounts:
        break;
    }
    return QString::number(seconds) + QStringLiteral(" (") + QString::number(count) + u')';
}

// An empty item cell means "not played": a play shorter than half a second
// still shows as "0 (1)" in the time-and-count table.
bool itemShown(Kind kind, std::int64_t tenths, std::int64_t count)
{
    return kind == Kind::Time ? duration::wholeSeconds(tenths) != 0 : count != 0;
}

}  // namespace

std::vector<QString> cells(const Tally& t, Kind kind)
{
    const size_t cols = size_t(t.items) + 3;
    const bool totalRow = t.unit == Unit::Month && t.rows > 0;
    std::vector<QString> out;
    out.reserve((size_t(t.rows) + (totalRow ? 1 : 0)) * cols);
    std::int64_t grandTenths = 0, grandCount = 0;
    std::vector<std::int64_t> itemTenths(size_t(t.items), 0), itemCounts(size_t(t.items), 0);
    for (int r = 0; r < t.rows; ++r) {
        out.push_back(QString::number(r + 1));
        out.push_back(rowLabel(t, r + 1));
        out.push_back(subtotal(kind, t.tenths[size_t(r)], t.counts[size_t(r)]));
        grandTenths += t.tenths[size_t(r)];
        grandCount += t.counts[size_t(r)];
        for (int j = 0; j < t.items; ++j) {
            const size_t cell = size_t(r) * size_t(t.items) + size_t(j);
            const std::int64_t s = t.itemTenths[cell], n = t.itemCounts[cell];
            itemTenths[size_t(j)] += s;
            itemCounts[size_t(j)] += n;
            out.push_back(itemShown(kind, s, n) ? itemValue(kind, s, n) : QString());
        }
    }
    if (totalRow) {
        out.push_back(QString());
        out.push_back(QStringLiteral("合計"));
        out.push_back(subtotal(kind, grandTenths, grandCount));
        for (int j = 0; j < t.items; ++j)
            out.push_back(itemValue(kind, itemTenths[size_t(j)], itemCounts[size_t(j)]));
    }
    return out;
}

}  // namespace aggregate
