#pragma once

#include "document/AppliedSolution.h"
#include "engine/purity/PurityPloidyFit.h"

namespace varn {

class CVARNDoc;

// Applies solution number (1 for the fit's best) of a joint fit of tumour cells and ploidy to
// the analysis of the array shown (both arrays in the merged view): the HMM means for its
// fraction, the baseline region at the copy number the solution gives it, and the profile
// decoded again when either changed. The document remembers the solution, and the title names
// it. The window's HMM dialog and varn-cli's --ploidy and --solution both come here.
void applyPurityPloidySolution(CVARNDoc& doc, int shownArrayType, const PurityPloidySolution& solution,
                               int number);

// The applied solution's figures as a solution of the fit, to be worded as the fit's are (its
// segments' states are not kept).
PurityPloidySolution solutionOfApplied(const AppliedSolution& applied);

} // namespace varn
