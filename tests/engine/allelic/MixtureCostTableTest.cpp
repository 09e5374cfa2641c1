// The tabulated mixture cost against the cost formed in full, for the three shapes the
// allele-specific decoder reads: a level (wide noise, tiny floor), a band (narrow noise, the
// outliers' floor, from below zero) and the band's twin term (scale and floor one).
#include "engine/allelic/MixtureCostTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varn {
namespace {

TEST(MixtureCostTable, MatchesTheCostFormedInFullWithinOneHundredMillionth) {
    struct Case {
        double scale, floor, from, to;
    };
    for (const Case c : {Case{1.58, 0.005, 0.0, 47.0}, Case{23.7, 0.1, -1.0, 44.0}, Case{1.0, 1.0, 0.0, 40.0}}) {
        const MixtureCostTable table(c.scale, c.floor, c.from, c.to);
        double worst = 0.0;
        for (double u = c.from; u < c.to; u += 0.0037)
            worst = std::max(worst, std::fabs(table(u) - -std::log(c.scale * std::exp(-u) + c.floor)));
        EXPECT_LT(worst, 1e-8) << "scale " << c.scale;
        EXPECT_EQ(table(c.to), -std::log(c.floor));
    }
}

} // namespace
} // namespace varn
