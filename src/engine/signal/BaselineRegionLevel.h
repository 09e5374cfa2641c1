#pragma once
#include <optional>

namespace varn {

class CVARNDoc;

// The mean profile (row 0 of logRatio) over the baseline region of array t, usable positions
// only: the level at which the region's asserted copy number sits. Empty without a usable
// position in the region.
std::optional<double> baselineRegionLevel(const CVARNDoc& doc, int t);

// The copy number the baseline region holds, as the person set it (1..4 in the dialog; a stored
// analysis may carry any number). A region at 0 copies would be a homozygous deletion, which
// cannot serve as the level every other one is read against, and a number beyond the states has
// no level at all: either is read as the usual two copies.
int baselineCopyNumberOf(const CVARNDoc& doc);

} // namespace varn
