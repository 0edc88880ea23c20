#pragma once
// The six-column record grid of the record list, the notes and the edit
// screen: position, date, time, item, seconds, note. The grid answers each
// cell from the records the screen edits when the view asks for it, so
// entering a screen costs the rows in view, and a sort only re-orders row
// indices.
#include "platform/GridModel.h"
#include "records/RecordEdits.h"

#include <array>
#include <memory>

class Grid;

class RecordGridSource : public GridSource {
public:
    enum Column { Position, Date, Time, Item, Seconds, Note, Columns };

    explicit RecordGridSource(std::shared_ptr<const RecordEdits> edits) : edits_(std::move(edits)) {}
    int rows() const override { return edits_->table().size(); }
    QString cell(int row, int col) const override;
    std::optional<double> number(int row, int col) const override;

private:
    std::shared_ptr<const RecordEdits> edits_;
};

namespace recordgrid {

// The six columns, with the screen's own caption for the position and its
// own widths in twips.
void setColumns(Grid& grid, const QString& positionHeader, const std::array<int, RecordGridSource::Columns>& twips);

// Fills the grid (its columns already set) with every record of データ.TXT
// in file order, from the shared log; the screen edits the records through
// what it returns.
std::shared_ptr<RecordEdits> load(Grid& grid);

}  // namespace recordgrid
