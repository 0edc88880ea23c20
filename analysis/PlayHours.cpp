#include "analysis/PlayHours.h"

#include "platform/Duration.h"

namespace playhours {

std::array<std::int64_t, 24> seconds(const std::vector<const RecordView*>& plays)
{
    std::array<std::int64_t, 24> hours{};
    for (const RecordView* r : plays) {
        bool ok = false;
        int h = r->time.left(2).toInt(&ok);
        if (!ok || h < 0 || h > 24)
            h = 0;
        if (h < 24)
            hours[size_t(h)] = duration::addRounded(hours[size_t(h)], r->seconds);
    }
    return hours;
}

}  // namespace playhours
