#pragma once
// The table behind every grid: a model over row indices. Each row shown is a
// row of a cell source (cells answered on demand, for the record grids) or a
// row of plain cell text handed over whole; a sort or a removal only moves
// indices, so that tens of thousands of rows fill and re-order in
// milliseconds.
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct GridColumn {
    QString header;
    int widthTwips = 1000;
    Qt::Alignment align = Qt::AlignLeft;
};

// Rows whose cells are worked out when asked for.
class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int rows() const = 0;
    virtual QString cell(int row, int col) const = 0;
    // The cell's number for a numeric sort, when the source knows it without
    // building the text; nothing to have the text read instead.
    virtual std::optional<double> number(int row, int col) const
    {
        Q_UNUSED(row);
        Q_UNUSED(col);
        return std::nullopt;
    }
    // The cell's colours, when the source decides them (invalid: the grid's
    // own). A colour set on the model's cell wins.
    virtual QColor back(int row, int col) const
    {
        Q_UNUSED(row);
        Q_UNUSED(col);
        return {};
    }
    virtual QColor fore(int row, int col) const
    {
        Q_UNUSED(row);
        Q_UNUSED(col);
        return {};
    }
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Cells longer than this are shown cut, ending in "…": a view lays out
    // the whole text of a cell, and a note of megabytes would stall it. The
    // cell itself keeps its whole text.
    static constexpr qsizetype MaxShownLength = 500;

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    int cols() const { return int(columns_.size()); }
    int dataRows() const { return inOrder_ ? int(physicalCount()) : int(order_.size()); }

    // Replaces every data row; `cells` is row-major, cols() items a row.
    // Cells may point into a buffer (QString::fromRawData) that `keepAlive`
    // owns; the model holds it for as long as those cells exist.
    void setCells(std::vector<QString> cells, std::shared_ptr<const void> keepAlive = {});
    // Shows every row of `source`, in its order.
    void setSource(std::shared_ptr<const GridSource> source);
    const std::shared_ptr<const GridSource>& source() const { return source_; }
    void clearRows();
    void setDataRows(int rows);  // adds empty rows or drops rows at the end
    void appendRow(std::vector<QString> cells);
    void removeDataRow(int row);

    // Data rows are 0-based here. Cells of a source row are the source's:
    // setCell changes plain rows only.
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    // The source row shown in data row `row`; -1 for a row of plain cells.
    int sourceRow(int row) const;
    // The source changed row `sourceRow`: the view shows it anew.
    void sourceRowChanged(int sourceRow);
    void setCellBack(int row, int col, const QColor& color);
    void setCellFore(int row, int col, const QColor& color);
    QColor cellBack(int row, int col) const;
    QColor cellFore(int row, int col) const;
    void setFontPointSize(int size);

    enum class SortKind { Numeric, Text };
    // Stable sort of the data rows by one column; numbers by value, text by
    // Unicode code point. Colours travel with their rows.
    void sortRows(int col, SortKind kind, bool ascending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Rows are stored once, in the order they were given ("physical" rows):
    // the source's rows first, then plain rows. order_ lists the physical
    // row shown in each data row.
    int physical(int row) const { return inOrder_ ? row : order_[size_t(row)]; }
    // Rows are about to move or go: the order is written out from here on.
    void ownOrder();
    size_t at(int physicalRow, int col) const { return size_t(physicalRow) * columns_.size() + size_t(col); }
    size_t physicalCount() const;
    void resetRows();
    const QColor* colorAt(const std::vector<QColor>& colors, int row, int col) const;
    void setColor(std::vector<QColor>& colors, int row, int col, const QColor& color, int role);

    std::vector<GridColumn> columns_;
    std::shared_ptr<const GridSource> source_;
    int sourceRows_ = 0;
    std::vector<QString> plain_;  // plain rows, row-major
    // Until rows are sorted, removed or added, each data row is its physical
    // row and order_ stays empty: a source of millions of rows (a day each
    // since year 1) costs nothing per row.
    bool inOrder_ = true;
    std::vector<int> order_;
    std::shared_ptr<const void> keepAlive_;
    std::vector<QColor> back_, fore_;  // by physical cell; empty until a colour is set
    int fontPointSize_ = 0;
};
