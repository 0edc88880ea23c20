#include "analysis/ColumnFit.h"

#include "platform/Grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

namespace columnfit {

void growColumnToText(Grid& grid, int col, const QFont& font, const QString& sample)
{
    const GridModel& m = grid.model();
    // The longest text stands for the widest: the cells of a column share
    // their form (digits, a date), so measuring one is enough.
    const QString* longest = sample.isEmpty() ? nullptr : &sample;
    for (int r = 0; r < m.dataRows(); ++r) {
        const QString& t = m.cell(r, col);
        if (!longest || t.size() > longest->size())
            longest = &t;
    }
    int needed = QFontMetrics(grid.horizontalHeader()->font()).horizontalAdvance(m.columns()[size_t(col)].header) + 8;
    if (longest)
        needed = std::max(needed, QFontMetrics(font).horizontalAdvance(*longest) + 8);
    if (grid.columnWidth(col) < needed)
        grid.setColumnWidth(col, needed);
}

void growToText(Grid& grid, const QFont& font)
{
    for (int c = 0; c < grid.cols(); ++c)
        growColumnToText(grid, c, font);
}

int fullWidth(const Grid& grid)
{
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grid.cols(); ++c)
        width += grid.columnWidth(c);
    return width;
}

}  // namespace columnfit
