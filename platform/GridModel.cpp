#include "platform/GridModel.h"

#include "platform/RecordLine.h"

#include <algorithm>
#include <numeric>

void GridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    cells_.clear();
    keepAlive_.reset();
    back_.clear();
    fore_.clear();
    rows_ = 0;
    endResetModel();
}

void GridModel::setCells(std::vector<QString> cells, std::shared_ptr<const void> keepAlive)
{
    beginResetModel();
    const size_t cols = std::max<size_t>(1, columns_.size());
    cells.resize(cells.size() / cols * cols);
    cells_ = std::move(cells);
    keepAlive_ = std::move(keepAlive);
    rows_ = columns_.empty() ? 0 : int(cells_.size() / cols);
    back_.clear();
    fore_.clear();
    endResetModel();
}

void GridModel::clearRows() { setCells({}); }

void GridModel::setDataRows(int rows)
{
    rows = std::max(0, rows);
    if (rows == rows_)
        return;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
    } else {
        beginRemoveRows({}, rows, rows_ - 1);
    }
    const size_t n = size_t(rows) * columns_.size();
    cells_.resize(n);
    if (!back_.empty())
        back_.resize(n);
    if (!fore_.empty())
        fore_.resize(n);
    const bool growing = rows > rows_;
    rows_ = rows;
    if (growing)
        endInsertRows();
    else
        endRemoveRows();
}

void GridModel::appendRow(std::vector<QString> cells)
{
    cells.resize(columns_.size());
    beginInsertRows({}, rows_, rows_);
    for (QString& c : cells)
        cells_.push_back(std::move(c));
    if (!back_.empty())
        back_.resize(cells_.size());
    if (!fore_.empty())
        fore_.resize(cells_.size());
    ++rows_;
    endInsertRows();
}

void GridModel::removeDataRow(int row)
{
    if (row < 0 || row >= rows_)
        return;
    beginRemoveRows({}, row, row);
    auto eraseRow = [&](auto& v) {
        if (!v.empty())
            v.erase(v.begin() + qsizetype(at(row, 0)), v.begin() + qsizetype(at(row + 1, 0)));
    };
    eraseRow(cells_);
    eraseRow(back_);
    eraseRow(fore_);
    --rows_;
    endRemoveRows();
}

const QString& GridModel::cell(int row, int col) const
{
    static const QString none;
    if (row < 0 || row >= rows_ || col < 0 || col >= cols())
        return none;
    return cells_[at(row, col)];
}

void GridModel::setCell(int row, int col, const QString& text)
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols())
        return;
    cells_[at(row, col)] = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void GridModel::setCellBack(int row, int col, const QColor& color)
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols())
        return;
    if (back_.empty())
        back_.resize(cells_.size());
    back_[at(row, col)] = color;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::BackgroundRole});
}

void GridModel::setCellFore(int row, int col, const QColor& color)
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols())
        return;
    if (fore_.empty())
        fore_.resize(cells_.size());
    fore_[at(row, col)] = color;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::ForegroundRole});
}

QColor GridModel::cellBack(int row, int col) const
{
    return back_.empty() || row < 0 || row >= rows_ ? QColor() : back_[at(row, col)];
}

QColor GridModel::cellFore(int row, int col) const
{
    return fore_.empty() || row < 0 || row >= rows_ ? QColor() : fore_[at(row, col)];
}

void GridModel::setFontPointSize(int size)
{
    fontPointSize_ = size;
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, cols() - 1), {Qt::FontRole});
}

void GridModel::sortRows(int col, SortKind kind, bool ascending)
{
    if (col < 0 || col >= cols() || rows_ < 2)
        return;
    std::vector<int> order(static_cast<size_t>(rows_));
    std::iota(order.begin(), order.end(), 0);
    if (kind == SortKind::Numeric) {
        std::vector<double> keys(static_cast<size_t>(rows_));
        for (int r = 0; r < rows_; ++r)
            keys[size_t(r)] = recordline::toDouble(cells_[at(r, col)]);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return ascending ? keys[size_t(a)] < keys[size_t(b)] : keys[size_t(b)] < keys[size_t(a)];
        });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const QString& x = cells_[at(a, col)];
            const QString& y = cells_[at(b, col)];
            return ascending ? x < y : y < x;
        });
    }
    auto permute = [&](auto& v) {
        if (v.empty())
            return;
        std::remove_reference_t<decltype(v)> out;
        out.reserve(v.size());
        for (int r : order)
            for (int c = 0; c < cols(); ++c)
                out.push_back(std::move(v[at(r, c)]));
        v = std::move(out);
    };
    beginResetModel();
    permute(cells_);
    permute(back_);
    permute(fore_);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols(); }

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row(), c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cells_[at(r, c)];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columns_[size_t(c)].align | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        QColor color = cellBack(r, c);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::ForegroundRole: {
        QColor color = cellFore(r, c);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::FontRole:
        if (fontPointSize_ > 0) {
            QFont f;
            f.setPointSize(fontPointSize_);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= cols())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[size_t(section)].header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}
