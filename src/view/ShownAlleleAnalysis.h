#pragma once

#include "engine/analysis/AlleleAnalysis.h"

namespace varn {

class CVARNDoc;

// The analysis the view shows: modes 2 and 3 (merged), 4 and 5 (one array), 21 and 22 (paired).
AlleleAnalysis analyseShownAlleles(const CVARNDoc& doc);

// Which analysis a display mode shows: its array type and whether it is paired; false for a
// display without one.
bool shownAlleleAnalysis(const CVARNDoc& doc, int& t, bool& paired);

} // namespace varn
