// The paired profile: tumour against the patient's own normal sample, in total and per allele.
#include "document/CVARNDoc.h"

#include <cmath>

namespace varn {

// Base-2 logarithms, so that one copy lost or gained on a diploid genome reads -1 or +0.58.
// The allele rows take the correction fitted to the total row: each allele signal is half the
// probes of the same fragments, too noisy to carry a fit of its own, and it must stay comparable
// with the total.
bool CVARNDoc::computePairedRatio(int fitStart, int fitEnd, int t) {
    if (t != kXba && t != kHind) return false;
    // A new profile: an allele-specific decoding of the one before no longer belongs to it.
    hmmMinorCopies.clear();
    alleleSpecificDecoding = false;
    const int first = snpFirst[t], last = snpLast[t];
    const float ln2 = std::log(2.0f);
    float* total = logRatio[0];
    float* alleleA = logRatio[1];
    float* alleleB = logRatio[2];
    for (int pos = first; pos <= last; ++pos) {
        const int snp = arrangeOrder[pos];
        total[pos] = std::log(poolSignal[0][snp] / poolSignal[1][snp]) / ln2;
        alleleA[pos] = std::log(alleleASignal[0][snp] / alleleASignal[1][snp]) / ln2;
        alleleB[pos] = std::log(alleleBSignal[0][snp] / alleleBSignal[1][snp]) / ln2;
    }

    for (int variable = 1; variable <= 2; ++variable) {
        fitQuadratic(fitStart, fitEnd, total, variable);
        subtractFit(total, first, last, variable);
        subtractFit(alleleA, first, last, variable);
        subtractFit(alleleB, first, last, variable);
    }

    for (int pos = first; pos <= last; ++pos) {
        const float a = alleleA[pos], b = alleleB[pos];
        alleleARatio[pos] = a;
        alleleBRatio[pos] = b;
        alleleA[pos] = a >= b ? a : b;
        alleleB[pos] = a >= b ? b : a;
    }

    if (baseCopyNumber != 2 && baseCopyNumber >= 0 && baseCopyNumber < kStates) {
        const float shift = hmmMean[baseCopyNumber];
        for (int row = 0; row < 3; ++row)
            for (int pos = first; pos <= last; ++pos) logRatio[row][pos] += shift;
    }

    return averagePairedInView(t);
}

} // namespace varn
