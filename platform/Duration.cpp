#include "platform/Duration.h"

#include <cmath>

namespace duration {

QString hms(std::int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

std::int64_t roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<std::int64_t>(std::nearbyint(value));  // default mode: to nearest, ties to even
}

std::int64_t addRounded(std::int64_t total, double seconds)
{
    return roundHalfEven(static_cast<double>(total) + seconds);
}

}  // namespace duration
