#pragma once
// The six-column record grid of the record list, the notes and the edit
// screen: position, date, time, item, seconds, note. The grid answers each
// cell from the shared log when the view asks for it, so entering a screen
// costs the rows in view, and a sort only re-orders row indices.
#include "platform/GridModel.h"
#include "records/RecordFile.h"

#include <memory>

class Grid;

class RecordGridSource : public GridSource {
public:
    enum Column { Position, Date, Time, Item, Seconds, Note, Columns };

    explicit RecordGridSource(std::shared_ptr<const RecordTable> table) : table_(std::move(table)) {}
    int rows() const override { return table_->size(); }
    QString cell(int row, int col) const override;
    std::optional<double> number(int row, int col) const override;
    const RecordTable& table() const { return *table_; }

private:
    std::shared_ptr<const RecordTable> table_;
};

namespace recordgrid {

// Fills the grid (its columns already set) with every record of データ.TXT
// in file order, from the shared log.
void load(Grid& grid);

}  // namespace recordgrid
