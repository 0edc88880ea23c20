#pragma once
// The review charts, drawn from what the tallies counted.
#include "records/RecordFile.h"

#include <array>
#include <cstdint>
#include <vector>

class Chart;

namespace chartdraw {

// One point per value. Each point is labelled by the first two characters of
// its label, or the first one from 17 points on; no labels when `labels` is
// empty.
void points(Chart& chart, const std::vector<QString>& labels, const std::vector<double>& values);

// One point per play, its seconds, labelled by its item when `labelled`.
void plays(Chart& chart, const std::vector<const RecordView*>& plays, bool labelled);

// 24 points, the seconds of each hour of the day, labelled " 0" to " 23".
void hours(Chart& chart, const std::vector<const RecordView*>& plays);

}  // namespace chartdraw
