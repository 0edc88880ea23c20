#include "analysis/AggregateTally.h"

#include "analysis/DatedPlays.h"
#include "platform/Duration.h"

#include <algorithm>

namespace aggregate {

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

Table::Table(std::shared_ptr<const PlayedDays> days, Unit unit, Kind kind)
    : days_(std::move(days)), unit_(unit), kind_(kind)
{
    if (!days_ || days_->empty())
        return;
    const QDate first = days_->first();
    if (unit == Unit::Day) {
        first_ = first;
        periodRows_ = int(days_->periodDays());
    } else {
        first_ = QDate(first.year(), first.month(), 1);
        periodRows_ = dates::monthsBetween(first, days_->last()) + 1;
    }
    grand_ = sums({0, days_->size()});
}

QDate Table::rowDate(int row) const
{
    if (row < 0 || row >= periodRows_)
        return {};
    return unit_ == Unit::Day ? first_.addDays(row) : first_.addMonths(row);
}

PlayedDays::Span Table::rowSpan(int row) const
{
    const QDate from = rowDate(row);
    const QDate to = unit_ == Unit::Day ? from.addDays(1) : from.addMonths(1);
    return days_->span(from.toJulianDay(), to.toJulianDay());
}

Table::Sums Table::sums(PlayedDays::Span span) const
{
    Sums s;
    s.items.resize(size_t(items()));
    for (size_t i = span.begin; i < span.end; ++i) {
        const PlayTotals& t = days_->totals(i);
        s.count += t.count;
        s.tenths += t.tenths;
        for (int j = 1; j <= items(); ++j) {
            const PlayedDays::ItemSum& item = days_->item(i, j);
            s.items[size_t(j - 1)].count += item.count;
            s.items[size_t(j - 1)].tenths += item.tenths;
        }
    }
    return s;
}

QString Table::dataCell(int row, int col, const Sums& s) const
{
    const bool total = isTotalRow(row);
    switch (col) {
    case 0:
        return total ? QString() : QString::number(row + 1);
    case 1:
        if (total)
            return QStringLiteral("合計");
        return rowDate(row).toString(unit_ == Unit::Day ? QStringLiteral("yy/MM/dd") : QStringLiteral("yy/MM"));
    case 2:
        return subtotal(kind_, s.tenths, s.count);
    default:
        break;
    }
    const PlayedDays::ItemSum& item = s.items[size_t(col - 3)];
    // The total row names every game, played or not.
    return total || itemShown(kind_, item.tenths, item.count) ? itemValue(kind_, item.tenths, item.count) : QString();
}

QString Table::cell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols())
        return {};
    if (isTotalRow(row))
        return dataCell(row, col, grand_);
    if (col < 2)
        return dataCell(row, col, Sums{});
    return dataCell(row, col, sums(rowSpan(row)));
}

std::vector<QString> Table::longestTexts() const
{
    std::vector<QString> longest(static_cast<size_t>(cols()));
    if (periodRows_ == 0)
        return longest;
    // A text grows with the number it shows: the largest sums of each column
    // over the rows with a play (a row without one is never wider, and the
    // last row, the widest row number, holds one) and the total row give a
    // text at least as long as any the column shows, made once, not once a
    // row.
    Sums most;
    most.items.resize(size_t(items()));
    const auto consider = [&](const Sums& s) {
        most.count = std::max(most.count, s.count);
        most.tenths = std::max(most.tenths, s.tenths);
        for (size_t j = 0; j < s.items.size(); ++j) {
            most.items[j].count = std::max(most.items[j].count, s.items[j].count);
            most.items[j].tenths = std::max(most.items[j].tenths, s.items[j].tenths);
        }
    };
    int lastRow = -1;
    for (size_t i = 0; i < days_->size(); ++i) {
        const QDate d = QDate::fromJulianDay(days_->day(i));
        const int row =
            unit_ == Unit::Day ? int(days_->day(i) - first_.toJulianDay()) : dates::monthsBetween(first_, d);
        if (row != lastRow)
            consider(sums(rowSpan(row)));
        lastRow = row;
    }
    const bool totalRow = rows() > periodRows_;
    if (totalRow)
        consider(grand_);
    longest[0] = QString::number(lastRow + 1);
    longest[1] = dataCell(lastRow, 1, most);
    longest[2] = subtotal(kind_, most.tenths, most.count);
    for (int c = 3; c < cols(); ++c) {
        const PlayedDays::ItemSum& item = most.items[size_t(c - 3)];
        if (totalRow || itemShown(kind_, item.tenths, item.count))
            longest[size_t(c)] = itemValue(kind_, item.tenths, item.count);
    }
    return longest;
}

}  // namespace aggregate
