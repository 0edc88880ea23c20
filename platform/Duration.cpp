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

std::int64_t tenths(double seconds)
{
    // Beyond this no play was ever timed; the log marks such a record.
    if (!(std::fabs(seconds) < 1e15))
        return 0;
    return roundHalfEven(seconds * 10);
}

std::int64_t wholeSeconds(std::int64_t tenths)
{
    std::int64_t whole = tenths / 10, rest = tenths % 10;
    if (rest < 0)
        rest += 10, --whole;
    if (rest > 5 || (rest == 5 && whole % 2 != 0))
        ++whole;
    return whole;
}

}  // namespace duration
