#include "MixtureCostTable.h"

#include <cmath>

namespace varn {

MixtureCostTable::MixtureCostTable(double scale, double floor, double from, double to)
    : from_(from), to_(to), beyond_(-std::log(floor)) {
    const auto nodes = static_cast<std::size_t>(std::ceil((to - from) * kNodesPerUnit)) + 2;
    value_.resize(nodes);
    slope_.resize(nodes);
    for (std::size_t k = 0; k < nodes; ++k) {
        const double u = from + static_cast<double>(k) / kNodesPerUnit;
        const double term = scale * std::exp(-u);
        value_[k] = -std::log(term + floor);
        slope_[k] = term / (term + floor);
    }
}

} // namespace varn
