#include "review/ColumnFit.h"

#include "platform/Grid.h"

#include <QHeaderView>
#include <QScrollBar>

namespace columnfit {

void growColumnToText(Grid& grid, int col, const QString& sample)
{
    // The longest text stands for the widest: the cells of a column share
    // their form (digits, a date), so measuring one is enough.
    const GridModel& m = grid.model();
    QString longest = sample;
    for (int r = 0; r < m.dataRows(); ++r) {
        QString t = m.cell(r, col);
        if (t.size() > longest.size())
            longest = std::move(t);
    }
    grid.growColumnTo(col, longest);
}

void growToText(Grid& grid)
{
    for (int c = 0; c < grid.cols(); ++c)
        growColumnToText(grid, c);
}

void growToSamples(Grid& grid, std::initializer_list<std::pair<int, const char*>> samples)
{
    for (const auto& [col, sample] : samples)
        grid.growColumnTo(col, QString::fromLatin1(sample));
}

int fullWidth(const Grid& grid)
{
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grid.cols(); ++c)
        width += grid.columnWidth(c);
    return width;
}

}  // namespace columnfit
