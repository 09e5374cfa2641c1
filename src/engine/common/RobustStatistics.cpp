#include "RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace varn {

double medianOf(std::vector<double>& values, double ifEmpty) {
    if (values.empty()) return ifEmpty;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

RobustCentre robustCentreOf(std::vector<double> values) {
    const double median = medianOf(values);
    for (double& v : values) v = std::abs(v - median);
    return {median, kMadToSd * medianOf(values)};
}

} // namespace varn
