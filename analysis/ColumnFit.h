#pragma once
// Column widths are given in twips for a smaller screen font than most
// systems use now: a column too narrow for its header or its longest text
// grows until it shows them whole.
#include <QString>

class Grid;
class QFont;

namespace columnfit {

// `font` is the font the grid's cells are drawn in.
void growToText(Grid& grid, const QFont& font);
// A sample text stands for cells still to come.
void growColumnToText(Grid& grid, int col, const QFont& font, const QString& sample = {});

// The width that shows every column and a vertical scroll bar.
int fullWidth(const Grid& grid);

}  // namespace columnfit
