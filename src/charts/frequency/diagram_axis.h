// Axis scales of the frequency picture: round tick steps and their texts.
#pragma once

#include <string>
#include <vector>

namespace qv {

// An axis from low to high with ticks at the multiples of step that lie within.
struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;

    std::vector<double> Ticks() const;
    // Where value lies between low (0) and high (1).
    double Fraction(double value) const { return (value - low) / (high - low); }
};

// A step of 1, 2 or 5 times a power of ten, not below minimumStep, that cuts the span into
// at most about `wanted` parts.
double RoundStep(double span, int wanted, double minimumStep);

// A value axis from 0 to the first tick at or above maximum (1 for a maximum of 0).
AxisScale ValueScale(double maximum, int wanted);

// A tick's text with as many decimals as the step needs ("0.5", "12", "1000"); "." as
// decimal separator whatever the locale.
std::string TickText(double value, double step);

}  // namespace qv
