#pragma once
// The record list fraBunseki: every play in one grid, re-ordered by four of
// its columns, each button switching between ascending and descending. The
// list is a view only; sorting never touches the file.
#include "platform/GridModel.h"
#include "records/MainState.h"

#include <array>
#include <memory>
#include <vector>

class Grid;
class QPushButton;

namespace recordlist {

// Fills a record grid's six columns (position, date, time, item, seconds,
// note) from データ.TXT in file order. Every cell points into buffers that
// the returned object owns and the model keeps, so that neither filling nor
// re-ordering the rows allocates a string a cell.
std::shared_ptr<const void> fill(GridModel& model);

// The data rows of `model` (0-based) in the order a sort by column `col`
// gives: numbers by value, text by Unicode code point, case-sensitive. Rows
// with equal keys keep their present order in either direction.
std::vector<int> sortOrder(const GridModel& model, int col, GridModel::SortKind kind, bool ascending);

}  // namespace recordlist

class RecordListScreen : public Screen {
    Q_OBJECT
public:
    explicit RecordListScreen(QWidget* parent = nullptr);

    void prepare() override;  // ShowRecordList: the grid in file order
    QString helpTourText() const override;

    Grid& grid() { return *msgIchiran; }
    // Sort button 1..4 (cmdSort1..cmdSort4).
    void SortRecordList(int button);
    // True when the button's next press sorts in descending order.
    bool sortDescendingNext(int button) const { return SortDescendingNext[size_t(button - 1)]; }

private:
    void InitRecordListGrid();
    void LoadRecordList();

    Grid* msgIchiran;
    std::shared_ptr<const void> buffers_;  // what the cells point into
    std::array<QPushButton*, 4> cmdSort{};
    // One flag a button, kept while the main window lives; the list itself is
    // reloaded in file order each time the screen is entered.
    std::array<bool, 4> SortDescendingNext{};
};
