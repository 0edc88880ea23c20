#pragma once
// The review charts, drawn from what the tallies counted.
#include "records/RecordFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Chart;

namespace chartdraw {

// One point per value, each labelled by its label, or with `cut` by the
// first two characters of it, the first one from 17 points on.
void points(Chart& chart, const std::vector<QString>& labels, const std::vector<double>& values, bool cut = true);

// One point per play, its seconds, labelled by its item when `labelled`
// (cut as points() cuts). `plays` point into `table`.
void plays(Chart& chart, std::shared_ptr<const RecordTable> table, const std::vector<const RecordView*>& plays,
           bool labelled);

// 24 points, the seconds of each hour of the day, labelled " 0" to " 23".
void hours(Chart& chart, const std::vector<const RecordView*>& plays);

}  // namespace chartdraw
