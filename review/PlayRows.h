#pragma once
// The plays of a listing as grid rows, each cell worked out when a view or a
// chart asks for it: entering a view over a hundred thousand plays costs the
// rows in view, not a text for every cell.
#include "platform/GridModel.h"
#include "records/RecordFile.h"

#include <memory>
#include <vector>

class PlayRows : public GridSource {
public:
    enum class Column { Position, Date, Time, Weekday, Item, Seconds };

    // `rows` point into `table`, which the source keeps alive.
    PlayRows(std::shared_ptr<const RecordTable> table, std::vector<const RecordView*> rows,
             std::vector<Column> columns);

    int rows() const override { return int(rows_.size()); }
    QString cell(int row, int col) const override;
    std::optional<double> number(int row, int col) const override;

private:
    std::shared_ptr<const RecordTable> table_;
    std::vector<const RecordView*> rows_;
    std::vector<Column> columns_;
};
