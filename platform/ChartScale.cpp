#include "platform/ChartScale.h"

#include <algorithm>
#include <cmath>

namespace chartscale {

namespace {
Axis niceAxis(double largest, int maxSteps, double smallestStep)
{
    Axis a;
    if (!(largest > 0) || !std::isfinite(largest))
        largest = 0;
    maxSteps = std::max(1, maxSteps);
    const double rough = std::max(largest / maxSteps, smallestStep);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= rough * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    step = std::max(step, smallestStep);
    a.step = step;
    a.ticks = std::max(1, int(std::ceil(largest / step - 1e-9)));
    a.top = a.ticks * step;
    a.decimals = step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9));
    return a;
}
}  // namespace

Axis valueAxis(double largest, int maxSteps)
{
    // Below 0.01 a rate reads as 0.00 in the game's own format anyway.
    return niceAxis(largest, maxSteps, largest > 0 ? 0.01 : 1);
}

Axis countAxis(double largest, int maxSteps) { return niceAxis(largest, maxSteps, 1); }

Folded fold(const std::vector<double>& values, int columns)
{
    Folded f;
    const auto n = std::int64_t(values.size());
    const std::int64_t groups = std::clamp<std::int64_t>(columns, 1, std::max<std::int64_t>(n, 1));
    if (n == 0)
        return f;
    for (auto* v : {&f.peaks, &f.lows, &f.means})
        v->reserve(size_t(groups));
    f.firsts.reserve(size_t(groups));
    for (std::int64_t g = 0; g < groups; ++g) {
        const std::int64_t first = g * n / groups;
        const std::int64_t end = (g + 1) * n / groups;
        double peak = values[size_t(first)];
        double low = peak;
        double sum = 0;
        for (std::int64_t i = first; i < end; ++i) {
            peak = std::max(peak, values[size_t(i)]);
            low = std::min(low, values[size_t(i)]);
            sum += values[size_t(i)];
        }
        f.peaks.push_back(peak);
        f.lows.push_back(low);
        f.means.push_back(sum / double(end - first));
        f.firsts.push_back(first);
    }
    return f;
}

int labelStep(double roomPerCategory, double labelWidth)
{
    if (roomPerCategory <= 0)
        return 1;
    return std::max(1, int(std::ceil(labelWidth / roomPerCategory - 1e-9)));
}

}  // namespace chartscale
