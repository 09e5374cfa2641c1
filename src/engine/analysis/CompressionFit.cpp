#include "CompressionFit.h"

#include <cmath>

namespace varn {

double measuredCompression(const PurityPloidyInput& in, const PurityPloidySolution& s, double assumed,
                           const PurityPloidyParameters& P) {
    double w = 0.0, wx = 0.0, wy = 0.0, wxx = 0.0, wxy = 0.0;
    int first = -1;
    bool two = false;
    for (std::size_t i = 0; i < in.segments.size() && i < s.states.size(); ++i) {
        const FitSegment& g = in.segments[i];
        const int k = s.states[i].total;
        if (k < 1 || i >= s.explained.size() || !s.explained[i] || g.markers == 0 || !std::isfinite(g.level))
            continue;
        const FitArray& a = in.arrays[g.arrayType];
        const double x = std::log(mixedSignal(a.copies, k, s.purity));
        const double y = g.level * assumed;
        const double noise = a.levelNoise * assumed;
        const double weight = 1.0 / (noise * noise / g.markers + P.levelModelError * P.levelModelError);
        w += weight;
        wx += weight * x;
        wy += weight * y;
        wxx += weight * x * x;
        wxy += weight * x * y;
        two = two || (first >= 0 && first != k);
        if (first < 0) first = k;
    }
    const double spread = wxx - wx * wx / w;
    if (!two || !(spread > 0.0)) return std::nan("");
    return (wxy - wx * wy / w) / spread;
}

void recompress(PurityPloidyInput& in, double from, double to) {
    const double factor = from / to;
    for (FitSegment& g : in.segments) g.level *= factor;
    for (FitArray& a : in.arrays) a.levelNoise *= factor;
}

} // namespace varn
