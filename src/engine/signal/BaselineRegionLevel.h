#pragma once
#include <optional>

namespace varn {

class CVARNDoc;

// The mean profile (row 0 of logRatio) over the baseline region of array t, usable positions
// only: the level at which the region's asserted copy number sits. Empty without a usable
// position in the region.
std::optional<double> baselineRegionLevel(const CVARNDoc& doc, int t);

} // namespace varn
