#pragma once

#include "SampleReport.h"

#include <vector>

namespace varn {

class CVARNDoc;

// The segments of the decoded profile of array type t (kCombined for Xba + Hind) as the report's
// table lists them.
std::vector<ReportSegment> reportSegments(const CVARNDoc& doc, int t);

} // namespace varn
