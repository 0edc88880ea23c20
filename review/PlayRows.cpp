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
        return RecordTable::raw(r.date);
    case Column::Time:
        return RecordTable::raw(r.time);
    case Column::Weekday:
        return recorddate::weekdayName(recorddate::weekday(r.date));
    case Column::Item:
        return RecordTable::raw(r.item);
    case Column::Seconds:
        return recordfile::shownSeconds(r);
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
