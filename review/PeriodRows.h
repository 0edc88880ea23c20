#pragma once
// The review grids over a period, one row a day, week or month from the
// first play to the last: each cell and its colour is worked out when a view
// asks for it, from the days played, so that a period from year 1 to 9999
// opens and scrolls as fast as a month.
#include "analysis/AggregateTally.h"
#include "analysis/CalendarTally.h"
#include "analysis/WholeHistory.h"
#include "platform/Chart.h"
#include "platform/GridModel.h"

// The daily or monthly aggregate table: the date and 小計 columns on white,
// the monthly total row in red.
class AggregateRows : public GridSource {
public:
    explicit AggregateRows(aggregate::Table table) : table_(std::move(table)) {}
    int rows() const override { return table_.rows(); }
    QString cell(int row, int col) const override { return table_.cell(row, col); }
    QColor back(int row, int col) const override;
    QColor fore(int row, int col) const override;

private:
    aggregate::Table table_;
};

// The month calendar: "yyyy年MM月", then the plays of days 1 to 31, each
// coloured by its count; days a month lacks (02/30, 04/31) in `noDay`, so
// that an empty cell always means a day without play.
class MonthRows : public GridSource {
public:
    MonthRows(calendar::MonthTable table, QColor noDay) : table_(std::move(table)), noDay_(noDay) {}
    int rows() const override { return table_.months; }
    QString cell(int row, int col) const override;
    QColor back(int row, int col) const override;

private:
    calendar::MonthTable table_;
    QColor noDay_;
};

// The week calendar: the week's Sunday "yy年MM月dd日", then the plays of
// Sunday to Saturday, each coloured by its count.
class WeekRows : public GridSource {
public:
    explicit WeekRows(calendar::WeekTable table) : table_(std::move(table)) {}
    int rows() const override { return table_.weeks; }
    QString cell(int row, int col) const override;
    QColor back(int row, int col) const override;

private:
    calendar::WeekTable table_;
};

// The whole history's day table: row number, date, plays, seconds, longest
// and mean seconds.
class HistoryDayRows : public GridSource {
public:
    explicit HistoryDayRows(std::shared_ptr<const PlayedDays> played) : played_(std::move(played)) {}
    int rows() const override { return int(played_->periodDays()); }
    QString cell(int row, int col) const override;
    std::optional<double> number(int row, int col) const override;

private:
    std::shared_ptr<const PlayedDays> played_;
};

// The whole history's daily trend as chart points, a point a day of the
// period: the plays, the seconds or the mean seconds of the day.
class DayTrendPoints : public ChartPoints {
public:
    enum class Trend { Plays, Seconds, Average };
    DayTrendPoints(std::shared_ptr<const PlayedDays> played, Trend trend);
    std::int64_t count() const override { return played_->periodDays(); }
    double value(std::int64_t point) const override { return of(played_->on(played_->firstDay() + point)); }
    QString label(std::int64_t point) const override;
    double largest() const override { return largest_; }
    Run run(std::int64_t first, std::int64_t end) const override;

private:
    double of(const PlayTotals& day) const;
    std::shared_ptr<const PlayedDays> played_;
    Trend trend_;
    double largest_ = 0;
};
