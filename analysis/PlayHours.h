#pragma once
// The seconds played in each hour of the day, for the hour charts.
#include "records/RecordFile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace playhours {

// Whole seconds per hour 0..23, each rounded once, by the first two
// characters of each play's time; a time that starts with no hour counts at
// hour 0, hour 24 nowhere, and a record whose seconds no play can take in
// none.
std::array<std::int64_t, 24> seconds(const std::vector<const RecordView*>& plays);

}  // namespace playhours
