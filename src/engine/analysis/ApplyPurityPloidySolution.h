#pragma once

namespace varn {

class CVARNDoc;
struct PurityPloidySolution;

// Applies solution number (1 for the fit's best) of a joint fit of tumour cells and ploidy to
// the analysis of the array shown (both arrays in the merged view): the HMM means for its
// fraction, the baseline region at the copy number the solution gives it, and the profile
// decoded again when either changed. The document remembers the solution, and the title names
// it. The window's HMM dialog and varn-cli's --ploidy and --solution both come here.
void applyPurityPloidySolution(CVARNDoc& doc, int shownArrayType, const PurityPloidySolution& solution,
                               int number);

} // namespace varn
