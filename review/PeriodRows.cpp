#include "review/PeriodRows.h"

#include "analysis/RecordDates.h"
#include "platform/Colors.h"

QColor AggregateRows::back(int row, int col) const
{
    return (col == 1 || col == 2) && row < table_.rows() ? colors::white : QColor();
}

QColor AggregateRows::fore(int row, int col) const
{
    return table_.isTotalRow(row) && col >= 1 ? colors::qbColor(12) : QColor();
}

QString MonthRows::cell(int row, int col) const
{
    if (col == 0)
        return table_.month(row).toString(QStringLiteral("yyyy年MM月"));
    const std::int64_t n = table_.at(row, col);
    return n > 0 ? QString::number(n) : QString();
}

QColor MonthRows::back(int row, int col) const
{
    if (col < 1)
        return {};
    if (col > table_.month(row).daysInMonth())
        return noDay_;
    return calendar::countColor(table_.at(row, col));
}

QString WeekRows::cell(int row, int col) const
{
    if (col == 0)
        return table_.firstSunday.addDays(7 * qint64(row)).toString(QStringLiteral("yy年MM月dd日"));
    const std::int64_t n = table_.at(row, col);
    return n > 0 ? QString::number(n) : QString();
}

QColor WeekRows::back(int row, int col) const
{
    return col >= 1 ? calendar::countColor(table_.at(row, col)) : QColor();
}

QString HistoryDayRows::cell(int row, int col) const
{
    const std::int64_t day = played_->firstDay() + row;
    if (col == 1)
        return recorddate::text(QDate::fromJulianDay(day));
    if (col == 5)
        return played_->on(day).averageText();
    const std::optional<double> n = number(row, col);
    return n ? QString::number(std::int64_t(*n)) : QString();
}

std::optional<double> HistoryDayRows::number(int row, int col) const
{
    const PlayTotals d = played_->on(played_->firstDay() + row);
    switch (col) {
    case 0:
        return double(row + 1);
    case 2:
        return double(d.count);
    case 3:
        return double(d.seconds());
    case 4:
        return double(d.maxSeconds());
    case 5:
        return double(d.averageTenths()) / 10;
    default:
        return std::nullopt;
    }
}

DayTrendPoints::DayTrendPoints(std::shared_ptr<const PlayedDays> played, Trend trend)
    : played_(std::move(played)), trend_(trend)
{
    for (size_t i = 0; i < played_->size(); ++i)
        largest_ = std::max(largest_, of(played_->totals(i)));
}

double DayTrendPoints::of(const PlayTotals& day) const
{
    switch (trend_) {
    case Trend::Plays:
        return double(day.count);
    case Trend::Seconds:
        return double(day.seconds());
    case Trend::Average:
        break;
    }
    return double(day.averageTenths()) / 10;
}

QString DayTrendPoints::label(std::int64_t point) const
{
    return recorddate::text(QDate::fromJulianDay(played_->firstDay() + point));
}

ChartPoints::Run DayTrendPoints::run(std::int64_t first, std::int64_t end) const
{
    const PlayedDays::Span span = played_->span(played_->firstDay() + first, played_->firstDay() + end);
    Run r;
    // A day without play in the run is a point of 0.
    const bool unplayed = std::int64_t(span.end - span.begin) < end - first;
    bool any = false;
    for (size_t i = span.begin; i < span.end; ++i) {
        const double v = of(played_->totals(i));
        r.peak = any ? std::max(r.peak, v) : v;
        r.low = any ? std::min(r.low, v) : v;
        r.sum += v;
        any = true;
    }
    if (unplayed) {
        r.peak = any ? std::max(r.peak, 0.0) : 0.0;
        r.low = any ? std::min(r.low, 0.0) : 0.0;
    }
    return r;
}
