// Round steps for the axes of the frequency picture.
#include "charts/frequency/diagram_axis.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qv {

std::vector<double> AxisScale::Ticks() const
{
    std::vector<double> ticks;
    // A little slack, so that a tick on the end is not lost to rounding.
    const double slack = step * 1e-9;
    for (double n = std::ceil((low - slack) / step); n * step <= high + slack; n += 1)
        ticks.push_back(n * step);
    return ticks;
}

double RoundStep(double span, int wanted, double minimumStep)
{
    if (!(span > 0) || !std::isfinite(span)) return minimumStep;
    const double raw = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            step = factor * power;
            break;
        }
    }
    return std::max(step, minimumStep);
}

AxisScale ValueScale(double maximum, int wanted)
{
    if (!(maximum > 0) || !std::isfinite(maximum)) return {0, 1, 0.2};
    const double step = RoundStep(maximum, wanted, 0);
    return {0, std::ceil(maximum / step - 1e-9) * step, step};
}

std::string TickText(double value, double step)
{
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) -
                                    std::round(step * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    const double rounded = std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded,
                                std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

}  // namespace qv
