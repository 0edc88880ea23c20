#pragma once
// A grid control in the vocabulary the program is written in: row 0 is the
// fixed header row, data rows are 1..rows()-1, the current row and the top
// row in view can be read and set.
#include "platform/GridModel.h"

#include <QTableView>

class Grid : public QTableView {
    Q_OBJECT
public:
    explicit Grid(const QString& objectName, QWidget* parent = nullptr);

    GridModel& model() { return model_; }
    const GridModel& model() const { return model_; }

    void setColumns(std::vector<GridColumn> columns);  // leaves rows() == 1
    int rows() const { return model_.dataRows() + 1; }
    void setRows(int rows) { model_.setDataRows(rows - 1); }
    int cols() const { return model_.cols(); }

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    void addRow(std::vector<QString> cells) { model_.appendRow(std::move(cells)); }
    // Drops every data row and, once events run, the room the view kept for
    // them: the view keeps 8 bytes a row it ever showed (32 MiB for a row a
    // day since year 1) until its row header is replaced.
    void releaseRows();
    void removeRow(int row) { model_.removeDataRow(row - 1); }

    // Current row: 1-based data row, 0 when none is selected.
    int row() const;
    void setRow(int row);
    int topRow() const;
    void setTopRow(int row);
    void setFontPointSize(int size);
    // Column widths are given in twips for a smaller screen font than most
    // systems use now: widens `col`, when it is narrower, to show its header
    // and `sample` (a text of the column's widest form) whole.
    void growColumnTo(int col, const QString& sample);

signals:
    // A click on a data cell; row is 1-based.
    void cellClicked(int row, int col);

protected:
    // The view scrolls to a requested top row only once it knows its size.
    void updateGeometries() override;

private:
    static constexpr int LargeRows = 100000;
    void replaceRowHeader();
    void applyWidths();
    GridModel model_;
    int pendingTopRow_ = 0;
};
