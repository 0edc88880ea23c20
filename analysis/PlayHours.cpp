#include "analysis/PlayHours.h"

#include "platform/Duration.h"

namespace playhours {

std::array<std::int64_t, 24> seconds(const std::vector<const RecordView*>& plays)
{
    std::array<std::int64_t, 24> hours{};
    for (const RecordView* r : plays) {
        if (!countsInTotals(*r))
            continue;
        int h = r->hour;
        if (h < 0 || h > 24)
            h = 0;
        if (h < 24)
            hours[size_t(h)] += duration::tenths(r->seconds);
    }
    for (std::int64_t& h : hours)
        h = duration::wholeSeconds(h);
    return hours;
}

}  // namespace playhours
