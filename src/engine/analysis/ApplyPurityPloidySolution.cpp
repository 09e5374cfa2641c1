#include "ApplyPurityPloidySolution.h"

#include "document/CVARNDoc.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityPloidyFit.h"

#include <algorithm>

namespace varn {

void applyPurityPloidySolution(CVARNDoc& doc, int shownArrayType, const PurityPloidySolution& s, int number) {
    float meansBefore[kStates], spreadBefore[kStates];
    std::copy(doc.hmmMean, doc.hmmMean + kStates, meansBefore);
    std::copy(doc.hmmSdFactor, doc.hmmSdFactor + kStates, spreadBefore);
    const int baseBefore = doc.baseCopyNumber;

    setHmmMeansForPurity(doc, s.purity, false);
    // The document holds one baseline copy number; in the merged view both regions were fitted
    // at it, so the first array that has a region names it.
    const int first = firstArrayOf(shownArrayType), last = lastArrayOf(shownArrayType);
    int region = 0;
    for (int a = first; a <= last; ++a)
        if (s.regionCopyNumber[a] >= 1) {
            doc.baseCopyNumber = region = s.regionCopyNumber[a];
            break;
        }
    doc.appliedSolution = {number,         s.purity,     s.purityLow,  s.purityHigh, s.ploidy,
                           s.ploidyLow,    s.ploidyHigh, s.fit,        s.doubled,    s.alteredShare,
                           s.lohShare,     s.doubledShare, region};

    // The means the analysis was decoded with and the same baseline: nothing to decode again,
    // and every output stays what it was.
    if (std::equal(meansBefore, meansBefore + kStates, doc.hmmMean) &&
        std::equal(spreadBefore, spreadBefore + kStates, doc.hmmSdFactor) && doc.baseCopyNumber == baseBefore)
        return;
    redecodeProfiles(doc, shownArrayType);
}

PurityPloidySolution solutionOfApplied(const AppliedSolution& a) {
    PurityPloidySolution s;
    s.purity = a.purity;
    s.purityLow = a.purityLow;
    s.purityHigh = a.purityHigh;
    s.ploidy = a.ploidy;
    s.ploidyLow = a.ploidyLow;
    s.ploidyHigh = a.ploidyHigh;
    s.fit = a.fit;
    s.doubled = a.doubled;
    s.alteredShare = a.alteredShare;
    s.lohShare = a.lohShare;
    s.doubledShare = a.doubledShare;
    return s;
}

} // namespace varn
