#pragma once
// The record list fraBunseki: every play in one grid, re-ordered by four of
// its columns, each button switching between ascending and descending. The
// list is a view only; sorting never touches the file.
#include "platform/GridModel.h"
#include "records/RecordEdits.h"
#include "review/MainState.h"

#include <array>
#include <memory>

class Grid;
class QPushButton;

class RecordListScreen : public Screen {
    Q_OBJECT
public:
    explicit RecordListScreen(QWidget* parent = nullptr);

    void prepare() override;  // ShowRecordList: the grid in file order
    QString helpTourText() const override;

    Grid& grid() { return *msgIchiran; }
    // Sort button 1..4 (cmdSort1..cmdSort4).
    void sortRecordList(int button);
    // True when the button's next press sorts in descending order.
    bool sortDescendingNext(int button) const { return SortDescendingNext[size_t(button - 1)]; }
    // 書き出し…: the whole log the list shows, in file order.
    void cmdExport_Click();

private:
    void initRecordListGrid();
    void loadRecordList();

    Grid* msgIchiran;
    std::array<QPushButton*, 4> cmdSort{};
    QPushButton* cmdExport;
    std::shared_ptr<RecordEdits> edits_;  // what the list shows
    // One flag a button, kept while the main window lives; the list itself is
    // reloaded in file order each time the screen is entered.
    std::array<bool, 4> SortDescendingNext{};
};
