#pragma once

#include <limits>
#include <vector>

namespace varn {

// The median absolute deviation of a normal distribution times this is its SD (1 / the normal's
// 75th percentile, 0.6745).
inline constexpr double kMadToSd = 1.4826;

// The median of values, reordered in place: the upper of the two middle ones for an even count
// (one element, no averaging, so that it is always a value that was measured). ifEmpty for none.
double medianOf(std::vector<double>& values, double ifEmpty = std::numeric_limits<double>::quiet_NaN());

struct RobustCentre {
    double median = 0.0;
    double sd = 0.0; // kMadToSd times the median absolute deviation from the median
};

// The median and the SD from the median absolute deviation, robust against a minority of strays.
RobustCentre robustCentreOf(std::vector<double> values);

} // namespace varn
