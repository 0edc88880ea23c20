#include "platform/GridModel.h"

#include "platform/GridSort.h"
#include "platform/RecordLine.h"

#include <algorithm>
#include <numeric>

void GridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    resetRows();
    endResetModel();
}

void GridModel::resetRows()
{
    source_.reset();
    sourceRows_ = 0;
    plain_.clear();
    order_.clear();
    inOrder_ = true;
    keepAlive_.reset();
    back_.clear();
    fore_.clear();
}

size_t GridModel::physicalCount() const
{
    return size_t(sourceRows_) + (columns_.empty() ? 0 : plain_.size() / columns_.size());
}

void GridModel::setCells(std::vector<QString> cells, std::shared_ptr<const void> keepAlive)
{
    beginResetModel();
    resetRows();
    if (!columns_.empty()) {
        cells.resize(cells.size() / columns_.size() * columns_.size());
        plain_ = std::move(cells);
        keepAlive_ = std::move(keepAlive);
    }
    endResetModel();
}

void GridModel::setSource(std::shared_ptr<const GridSource> source)
{
    beginResetModel();
    resetRows();
    if (source && !columns_.empty()) {
        source_ = std::move(source);
        sourceRows_ = std::max(0, source_->rows());
    }
    endResetModel();
}

void GridModel::clearRows() { setCells({}); }

void GridModel::ownOrder()
{
    if (!inOrder_)
        return;
    order_.resize(physicalCount());
    std::iota(order_.begin(), order_.end(), 0);
    inOrder_ = false;
}

void GridModel::setDataRows(int rows)
{
    rows = std::max(0, rows);
    const int now = dataRows();
    if (rows == now)
        return;
    if (rows == 0) {
        beginResetModel();
        resetRows();
        endResetModel();
        return;
    }
    ownOrder();
    if (rows < now) {
        beginRemoveRows({}, rows, now - 1);
        order_.resize(size_t(rows));
        endRemoveRows();
        return;
    }
    beginInsertRows({}, now, rows - 1);
    for (int r = now; r < rows; ++r) {
        order_.push_back(int(physicalCount()));
        plain_.resize(plain_.size() + columns_.size());
    }
    if (!back_.empty())
        back_.resize(physicalCount() * columns_.size());
    if (!fore_.empty())
        fore_.resize(physicalCount() * columns_.size());
    endInsertRows();
}

void GridModel::appendRow(std::vector<QString> cells)
{
    if (columns_.empty())
        return;
    cells.resize(columns_.size());
    ownOrder();
    const int row = dataRows();
    beginInsertRows({}, row, row);
    order_.push_back(int(physicalCount()));
    for (QString& c : cells)
        plain_.push_back(std::move(c));
    if (!back_.empty())
        back_.resize(physicalCount() * columns_.size());
    if (!fore_.empty())
        fore_.resize(physicalCount() * columns_.size());
    endInsertRows();
}

void GridModel::removeDataRow(int row)
{
    if (row < 0 || row >= dataRows())
        return;
    ownOrder();
    beginRemoveRows({}, row, row);
    order_.erase(order_.begin() + row);
    endRemoveRows();
}

QString GridModel::cell(int row, int col) const
{
    if (row < 0 || row >= dataRows() || col < 0 || col >= cols())
        return {};
    const int p = physical(row);
    if (p >= sourceRows_)
        return plain_[at(p - sourceRows_, col)];
    return source_->cell(p, col);
}

void GridModel::setCell(int row, int col, const QString& text)
{
    if (row < 0 || row >= dataRows() || col < 0 || col >= cols())
        return;
    const int p = physical(row);
    if (p < sourceRows_)
        return;
    plain_[at(p - sourceRows_, col)] = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

int GridModel::sourceRow(int row) const
{
    if (row < 0 || row >= dataRows())
        return -1;
    const int p = physical(row);
    return p < sourceRows_ ? p : -1;
}

void GridModel::sourceRowChanged(int sourceRow)
{
    if (inOrder_) {
        if (sourceRow >= 0 && sourceRow < sourceRows_)
            emit dataChanged(index(sourceRow, 0), index(sourceRow, cols() - 1), {Qt::DisplayRole});
        return;
    }
    const auto shown = std::find(order_.begin(), order_.end(), sourceRow);
    if (sourceRow < 0 || sourceRow >= sourceRows_ || shown == order_.end())
        return;
    const int row = int(shown - order_.begin());
    emit dataChanged(index(row, 0), index(row, cols() - 1), {Qt::DisplayRole});
}

const QColor* GridModel::colorAt(const std::vector<QColor>& colors, int row, int col) const
{
    if (colors.empty() || row < 0 || row >= dataRows() || col < 0 || col >= cols())
        return nullptr;
    return &colors[at(physical(row), col)];
}

void GridModel::setColor(std::vector<QColor>& colors, int row, int col, const QColor& color, int role)
{
    if (row < 0 || row >= dataRows() || col < 0 || col >= cols())
        return;
    if (colors.empty())
        colors.resize(physicalCount() * columns_.size());
    colors[at(physical(row), col)] = color;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {role});
}

void GridModel::setCellBack(int row, int col, const QColor& color)
{
    setColor(back_, row, col, color, Qt::BackgroundRole);
}

void GridModel::setCellFore(int row, int col, const QColor& color)
{
    setColor(fore_, row, col, color, Qt::ForegroundRole);
}

QColor GridModel::cellBack(int row, int col) const
{
    const QColor* c = colorAt(back_, row, col);
    if (c && c->isValid())
        return *c;
    const int p = sourceRow(row);
    return p >= 0 && col >= 0 && col < cols() ? source_->back(p, col) : QColor();
}

QColor GridModel::cellFore(int row, int col) const
{
    const QColor* c = colorAt(fore_, row, col);
    if (c && c->isValid())
        return *c;
    const int p = sourceRow(row);
    return p >= 0 && col >= 0 && col < cols() ? source_->fore(p, col) : QColor();
}

void GridModel::setFontPointSize(int size)
{
    fontPointSize_ = size;
    if (dataRows() > 0)
        emit dataChanged(index(0, 0), index(dataRows() - 1, cols() - 1), {Qt::FontRole});
}

void GridModel::sortRows(int col, SortKind kind, bool ascending)
{
    const int n = dataRows();
    if (col < 0 || col >= cols() || n < 2)
        return;
    std::vector<int> permutation;
    if (kind == SortKind::Numeric) {
        std::vector<double> keys(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r) {
            const int p = sourceRow(r);
            std::optional<double> v;
            if (p >= 0)
                v = source_->number(p, col);
            keys[size_t(r)] = v ? *v : recordline::toDouble(cell(r, col));
        }
        permutation = gridsort::byNumber(keys, ascending);
    } else {
        // The texts are held while their views are sorted.
        std::vector<QString> texts(static_cast<size_t>(n));
        std::vector<QStringView> views(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r) {
            texts[size_t(r)] = cell(r, col);
            views[size_t(r)] = texts[size_t(r)];
        }
        permutation = gridsort::byText(views, ascending);
    }
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        order[size_t(i)] = physical(permutation[size_t(i)]);
    beginResetModel();
    inOrder_ = false;
    order_ = std::move(order);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataRows(); }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols(); }

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row(), c = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        QString text = cell(r, c);
        if (text.size() > MaxShownLength) {
            text.truncate(MaxShownLength);
            text += u'…';
        }
        return text;
    }
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
