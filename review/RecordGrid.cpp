#include "review/RecordGrid.h"

#include "platform/Grid.h"
#include "records/RecordLog.h"

QString RecordGridSource::cell(int row, int col) const
{
    if (row < 0 || row >= rows())
        return {};
    const RecordTable& table = edits_->table();
    const RecordView& r = table.records()[size_t(row)];
    switch (col) {
    case Position:
        return QString::number(row + 1);
    case Date:
        return table.date(r);
    case Time:
        return table.time(r);
    case Item:
        return table.item(r);
    case Seconds:
        return recordfile::shownSeconds(table, r);
    case Note:
        return edits_->note(row);
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
        return edits_->table().records()[size_t(row)].seconds;
    return std::nullopt;
}

namespace recordgrid {

void setColumns(Grid& grid, const QString& positionHeader, const std::array<int, RecordGridSource::Columns>& twips)
{
    grid.setColumns({{positionHeader, twips[0], Qt::AlignRight},
                     {QStringLiteral("日付"), twips[1], Qt::AlignHCenter},
                     {QStringLiteral("時間"), twips[2], Qt::AlignHCenter},
                     {QStringLiteral("項目"), twips[3], Qt::AlignLeft},
                     {QStringLiteral("秒数"), twips[4], Qt::AlignRight},
                     {QStringLiteral("一言日記"), twips[5], Qt::AlignLeft}});
}

std::shared_ptr<RecordEdits> load(Grid& grid)
{
    auto edits = std::make_shared<RecordEdits>(recordlog::current());
    const int rows = edits->table().size();
    grid.model().setSource(std::make_shared<RecordGridSource>(edits));
    // The position column shows the largest position whole, however long the log.
    grid.growColumnTo(RecordGridSource::Position, QString(QString::number(rows).size(), u'0'));
    return edits;
}

}  // namespace recordgrid
