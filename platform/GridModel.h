#pragma once
// The table behind every grid: plain vectors of cell text, handed over whole
// so that tens of thousands of rows fill in milliseconds.
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <vector>

struct GridColumn {
    QString header;
    int widthTwips = 1000;
    Qt::Alignment align = Qt::AlignLeft;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    int cols() const { return int(columns_.size()); }
    int dataRows() const { return rows_; }

    // Replaces every data row; `cells` is row-major, cols() items a row.
    // Cells may point into a buffer (QString::fromRawData) that `keepAlive`
    // owns; the model holds it for as long as those cells exist.
    void setCells(std::vector<QString> cells, std::shared_ptr<const void> keepAlive = {});
    void clearRows();
    void setDataRows(int rows);  // adds empty rows or drops rows at the end
    void appendRow(std::vector<QString> cells);
    void removeDataRow(int row);

    // Data rows are 0-based here.
    const QString& cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    void setCellBack(int row, int col, const QColor& color);
    void setCellFore(int row, int col, const QColor& color);
    QColor cellBack(int row, int col) const;
    QColor cellFore(int row, int col) const;
    void setFontPointSize(int size);

    enum class SortKind { Numeric, Text };
    // Stable sort of the data rows by one column.
    void sortRows(int col, SortKind kind, bool ascending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    size_t at(int row, int col) const { return size_t(row) * columns_.size() + size_t(col); }
    std::vector<GridColumn> columns_;
    std::vector<QString> cells_;
    std::shared_ptr<const void> keepAlive_;
    std::vector<QColor> back_, fore_;  // empty until a cell colour is set
    int rows_ = 0;
    int fontPointSize_ = 0;
};
