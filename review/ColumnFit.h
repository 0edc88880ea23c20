#pragma once
// Column widths are given in twips for a smaller screen font than most
// systems use now: a column too narrow for its header or its longest text
// grows until it shows them whole.
#include <QString>

#include <initializer_list>
#include <utility>

class Grid;

namespace columnfit {

void growToText(Grid& grid);
// A sample text stands for cells still to come.
void growColumnToText(Grid& grid, int col, const QString& sample = {});

// Each (column, sample) pair: the column grows to show the sample whole.
void growToSamples(Grid& grid, std::initializer_list<std::pair<int, const char*>> samples);

// The width that shows every column and a vertical scroll bar.
int fullWidth(const Grid& grid);

}  // namespace columnfit
