#pragma once
// Charts drawn from grids that are already filled: the chart reads the
// grid's cells as text.
class Chart;
class Grid;

namespace chartdraw {

// One point per data row; labels are the first two characters of the label
// cell, or the first one when the grid has 18 rows or more. labelCol < 0: no
// labels.
void gridChart(Chart& chart, const Grid& source, int labelCol, int valueCol);

// 24 points, the seconds of each hour of the day (from the time column's
// first two characters), labelled " 0" to " 23".
void hourChart(Chart& chart, const Grid& source, int timeCol, int secondsCol);

}  // namespace chartdraw
