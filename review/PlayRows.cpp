#include "review/PlayRows.h"

#include "analysis/RecordDates.h"

PlayRows::PlayRows(std::shared_ptr<const RecordTable> table, std::vector<const RecordView*> rows,
                   std::vector<Column> columns)
    : table_(std::move(table)), rows_(std::move(rows)), columns_(std::move(columns))
{
}

QString PlayRows::cell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= int(columns_.size()))
        return {};
    const RecordView& r = *rows_[size_t(row)];
    switch (columns_[size_t(col)]) {
    case Column::Position:
        return QString::number(row + 1);
    case Column::Date:
        return table_->date(r);
    case Column::Time:
        return table_->time(r);
    case Column::Weekday:
        return recorddate::weekdayName(recorddate::weekday(table_->date(r)));
    case Column::Item:
        return table_->item(r);
    case Column::Seconds:
        return recordfile::shownSeconds(*table_, r);
    }
    return {};
}

std::optional<double> PlayRows::number(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= int(columns_.size()))
        return std::nullopt;
    switch (columns_[size_t(col)]) {
    case Column::Position:
        return row + 1;
    case Column::Seconds:
        return rows_[size_t(row)]->seconds;
    default:
        return std::nullopt;
    }
}
