#include "review/RecordGrid.h"

#include "platform/Grid.h"
#include "records/RecordLog.h"

QString RecordGridSource::cell(int row, int col) const
{
    if (row < 0 || row >= rows())
        return {};
    const RecordView& r = table_->records()[size_t(row)];
    switch (col) {
    case Position:
        return QString::number(row + 1);
    case Date:
        return RecordTable::raw(r.date);
    case Time:
        return RecordTable::raw(r.time);
    case Item:
        return RecordTable::raw(r.item);
    case Seconds:
        return recordfile::secondsText(r.seconds);
    case Note:
        return RecordTable::raw(r.note);
    default:
        return {};
    }
}

std::optional<double> RecordGridSource::number(int row, int col) const
{
    if (row < 0 || row >= rows())
        return std::nullopt;
    if (col == Position)
        return row + 1;
    // The shortest text of a float orders as the float does.
    if (col == Seconds)
        return table_->records()[size_t(row)].seconds;
    return std::nullopt;
}

namespace recordgrid {

void load(Grid& grid)
{
    auto source = std::make_shared<RecordGridSource>(recordlog::current());
    const int rows = source->rows();
    grid.model().setSource(std::move(source));
    // The position column shows the largest position whole, however long the log.
    grid.growColumnTo(RecordGridSource::Position, QString(QString::number(rows).size(), u'0'));
}

}  // namespace recordgrid
