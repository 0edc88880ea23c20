#pragma once
// The aggregate tables: plays summed per calendar day or per calendar month
// of the period, in total and per game, as time, play counts or both. A
// table answers each cell when it is shown, from the days played: a period
// from year 1 to 9999 has millions of rows and costs what its plays cost.
#include "analysis/PlayedDays.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace aggregate {

enum class Kind { Time, Counts, TimeAndCounts };
enum class Unit { Day, Month };

class Table {
public:
    Table() = default;
    Table(std::shared_ptr<const PlayedDays> days, Unit unit, Kind kind);

    Unit unit() const { return unit_; }
    int items() const { return days_ ? days_->items() : 0; }
    // Row number, day or month, 小計, one column a game.
    int cols() const { return items() + 3; }
    // One row a day (or a month) from the first play to the last, days
    // without a play included; a monthly table ends with the total row
    // "合計". Rows are 0-based.
    int rows() const { return periodRows_ + (unit_ == Unit::Month && periodRows_ > 0 ? 1 : 0); }
    bool isTotalRow(int row) const { return unit_ == Unit::Month && row == periodRows_; }
    // The first day of row `row` (invalid for the total row).
    QDate rowDate(int row) const;
    QString cell(int row, int col) const;
    // Per column, a text at least as long as any row shows (made of the
    // column's largest numbers), for sizing the columns without asking
    // every row.
    std::vector<QString> longestTexts() const;

private:
    struct Sums {
        std::int64_t count = 0, tenths = 0;
        std::vector<PlayedDays::ItemSum> items;
    };
    Sums sums(PlayedDays::Span span) const;
    PlayedDays::Span rowSpan(int row) const;
    QString dataCell(int row, int col, const Sums& s) const;

    std::shared_ptr<const PlayedDays> days_;
    Unit unit_ = Unit::Day;
    Kind kind_ = Kind::Time;
    QDate first_;  // the first day, or day 1 of the first month
    int periodRows_ = 0;
    Sums grand_;
};

}  // namespace aggregate
