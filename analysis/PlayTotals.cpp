#include "analysis/PlayTotals.h"

#include "platform/Duration.h"

#include <algorithm>
#include <cstdlib>

void PlayTotals::add(double playSeconds) { addTenths(duration::tenths(playSeconds)); }

void PlayTotals::addTenths(std::int64_t playTenths)
{
    ++count;
    tenths += playTenths;
    maxTenths = std::max(maxTenths, playTenths);
}

std::int64_t PlayTotals::seconds() const { return duration::wholeSeconds(tenths); }

std::int64_t PlayTotals::maxSeconds() const { return duration::wholeSeconds(maxTenths); }

std::int64_t PlayTotals::averageTenths() const
{
    if (count <= 0)
        return 0;
    // The exact quotient, halves away from zero.
    return (2 * tenths + (tenths >= 0 ? count : -count)) / (2 * count);
}

QString PlayTotals::averageText() const
{
    const std::int64_t tenths = averageTenths();
    const std::int64_t whole = tenths / 10;
    const std::int64_t tenth = tenths % 10;
    return QStringLiteral("%1%2.%3")
        .arg(tenths < 0 && whole == 0 ? QStringLiteral("-") : QString())
        .arg(whole)
        .arg(std::abs(tenth));
}
