#pragma once
// The arithmetic behind a readable chart: value axes with round steps from
// 0, and long series folded into as many columns as the chart has room for.
#include <cstdint>
#include <vector>

namespace chartscale {

// A value axis from 0 to `top` in `ticks` steps of `step`; step is 1, 2 or
// 5 times a power of ten, top a whole number of steps at or above the
// largest value.
struct Axis {
    double top = 1;
    double step = 1;
    int ticks = 1;     // steps, so ticks + 1 lines
    int decimals = 0;  // digits a tick label needs after the point
};
Axis valueAxis(double largest, int maxSteps = 6);

// The same for a count of things (plays, points): steps are whole numbers.
Axis countAxis(double largest, int maxSteps = 6);

// Consecutive points folded into `columns` groups, each with the largest,
// smallest and mean value of its points, so that every peak stays visible
// and the trend with it. Group g holds points [firsts[g], firsts[g + 1]).
struct Folded {
    std::vector<double> peaks;
    std::vector<double> lows;
    std::vector<double> means;
    std::vector<std::int64_t> firsts;  // 0-based first point of each group
};
Folded fold(const std::vector<double>& values, int columns);

// Every how many categories a label fits, given the room per category and
// the widest label, in pixels.
int labelStep(double roomPerCategory, double labelWidth);

}  // namespace chartscale
