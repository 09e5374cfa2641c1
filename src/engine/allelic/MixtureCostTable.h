#pragma once

#include <vector>

namespace varn {

// The cost -ln(scale e^-u + floor) of a Gaussian term (u = z^2 / 2, scale its peak density) mixed
// with an even floor of outliers, for u from `from` on: the emission cost of one HMM state, which
// the allele-specific decoder forms for every SNP and state. It is read off nodes 1/16 apart that
// hold the cost and its slope, as the cubic through both (Hermite); the cost is a shifted
// softplus, whose fourth derivative stays below 1/8, so a value is off by less than 1e-8. From
// `to` on, where the Gaussian has vanished beside the floor, it is -ln(floor) itself.
class MixtureCostTable {
public:
    MixtureCostTable() = default;
    MixtureCostTable(double scale, double floor, double from, double to);
    double operator()(double u) const {
        if (u >= to_) return beyond_;
        const double x = (u > from_ ? u - from_ : 0.0) * kNodesPerUnit;
        const auto k = static_cast<std::size_t>(x);
        const double s = x - static_cast<double>(k), s2 = s * s, s3 = s2 * s;
        const double h = 1.0 / kNodesPerUnit;
        return (2 * s3 - 3 * s2 + 1) * value_[k] + (s3 - 2 * s2 + s) * h * slope_[k] + (3 * s2 - 2 * s3) * value_[k + 1] +
               (s3 - s2) * h * slope_[k + 1];
    }

private:
    static constexpr double kNodesPerUnit = 16.0;
    double from_ = 0.0, to_ = 0.0, beyond_ = 0.0;
    std::vector<double> value_, slope_;
};

} // namespace varn
