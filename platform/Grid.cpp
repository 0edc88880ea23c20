#include "platform/Grid.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

Grid::Grid(const QString& objectName, QWidget* parent) : QTableView(parent)
{
    setObjectName(objectName);
    QTableView::setModel(&model_);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setAlternatingRowColors(false);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row() + 1, index.column()); });
}

void Grid::setColumns(std::vector<GridColumn> columns)
{
    pendingTopRow_ = 0;
    model_.setColumns(std::move(columns));
    applyWidths();
    scrollToTop();
}

void Grid::releaseRows()
{
    const bool large = model_.dataRows() > LargeRows;
    model_.clearRows();
    // A fresh row header gives the room back. Not at once: a screen releases
    // its rows as it is hidden, which happens while the window closes too,
    // and no widget may be made then; a grid gone by then takes the call
    // with it.
    if (large)
        QMetaObject::invokeMethod(this, &Grid::replaceRowHeader, Qt::QueuedConnection);
}

void Grid::replaceRowHeader()
{
    if (model_.dataRows() > LargeRows)
        return;  // filled again meanwhile: its header is in use
    QHeaderView* old = verticalHeader();
    const int rowHeight = old->defaultSectionSize();
    const int minimum = old->minimumSectionSize();
    const bool hidden = old->isHidden();
    auto* fresh = new QHeaderView(Qt::Vertical, this);
    setVerticalHeader(fresh);  // deletes the old one
    fresh->setSectionResizeMode(QHeaderView::Fixed);
    fresh->setMinimumSectionSize(minimum);
    fresh->setDefaultSectionSize(rowHeight);
    fresh->setHidden(hidden);
}

void Grid::applyWidths()
{
    for (int c = 0; c < model_.cols(); ++c)
        setColumnWidth(c, colors::twipsToPixels(model_.columns()[size_t(c)].widthTwips));
}

QString Grid::text(int row, int col) const
{
    if (row == 0)
        return col >= 0 && col < cols() ? model_.columns()[size_t(col)].header : QString();
    // A deep copy: cells may point into a record buffer the grid owns.
    const QString cell = model_.cell(row - 1, col);
    return QString(cell.constData(), cell.size());
}

void Grid::setText(int row, int col, const QString& text) { model_.setCell(row - 1, col, text); }

int Grid::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void Grid::setRow(int row)
{
    if (row >= 1 && row < rows())
        setCurrentIndex(model_.index(row - 1, 0));
}

int Grid::topRow() const
{
    if (rows() <= 1)
        return 0;
    // The rows scroll one at a time, so the scroll position is the first row
    // in view. A top row asked for before the view was laid out counts only
    // once the view has scrolled to it.
    return verticalScrollBar()->value() + 1;
}

void Grid::setTopRow(int row)
{
    if (row < 1 || row >= rows())
        return;
    pendingTopRow_ = row;
    verticalScrollBar()->setValue(row - 1);
    if (isVisible() && verticalScrollBar()->value() == row - 1)
        pendingTopRow_ = 0;
}

void Grid::setFontPointSize(int size) { model_.setFontPointSize(size); }

void Grid::updateGeometries()
{
    QTableView::updateGeometries();
    if (pendingTopRow_ <= 0)
        return;
    if (pendingTopRow_ >= rows()) {
        pendingTopRow_ = 0;
        return;
    }
    verticalScrollBar()->setValue(pendingTopRow_ - 1);
    if (isVisible())
        pendingTopRow_ = 0;  // from now on the user scrolls
}

void Grid::growColumnTo(int col, const QString& sample)
{
    const int needed =
        std::max(QFontMetrics(horizontalHeader()->font()).horizontalAdvance(model_.columns()[size_t(col)].header),
                 QFontMetrics(font()).horizontalAdvance(sample)) +
        12;
    if (columnWidth(col) < needed)
        setColumnWidth(col, needed);
}
