// The copy-number profile of the analysed row against the selected references of a pool.
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>

namespace varn {

// Natural log ratio of two pool rows, position by position. A zero signal gives an infinite or
// undefined value that the fits, SDs and the HMM pass over.
void CVARNDoc::fillLogRatio(int numeratorRow, int denominatorRow, int first, int last) {
    const float* num = poolSignal[numeratorRow];
    const float* den = poolSignal[denominatorRow];
    float* out = logRatio[0];
    for (int pos = first; pos <= last; ++pos) {
        const int snp = arrangeOrder[pos];
        out[pos] = std::log(num[snp] / den[snp]);
    }
}

// Each reference is compensated on its own against the common denominator, so that its own
// length and GC dependence is removed before it is averaged with the others; the references
// are averaged on the linear scale.
void CVARNDoc::computePoolRatio(int fitStart, int fitEnd, const int* selected, int numeratorRow,
                                int denominatorRow, int t) {
    // The merged type has no pool of its own: its profile is made of the two arrays' profiles.
    if (t != kXba && t != kHind) return;
    const int first = snpFirst[t], last = snpLast[t];
    float* ratio = logRatio[0];
    float* sum = refRatioSum.data();
    std::fill(sum + first, sum + last + 1, 0.0f);
    int references = 0;
    const int rows = std::min(refCount[t], kPoolRows);
    for (int i = 1; i < rows; ++i) {
        if (selected[i] != 1) continue;
        fillLogRatio(i, denominatorRow, first, last);
        compensateLengthGc(fitStart, fitEnd, t, ratio, 3);
        for (int pos = first; pos <= last; ++pos) sum[pos] += std::exp(ratio[pos]);
        ++references;
    }

    fillLogRatio(numeratorRow, denominatorRow, first, last);
    compensateLengthGc(fitStart, fitEnd, t, ratio, 3);
    // Without a selected reference there is nothing to average: the profile stays the
    // compensated ratio of the numerator against the denominator instead of 0/0 everywhere.
    if (references > 0) {
        const float count = static_cast<float>(references);
        for (int pos = first; pos <= last; ++pos) ratio[pos] = std::log(std::exp(ratio[pos]) / (sum[pos] / count));
    }

    // A baseline region of another copy number than 2 sits at that copy number's expected ratio.
    if (baseCopyNumber != 2 && baseCopyNumber >= 0 && baseCopyNumber < kStates) {
        const float shift = hmmMean[baseCopyNumber];
        for (int pos = first; pos <= last; ++pos) ratio[pos] += shift;
    }

    // The profile's SD over the region, its end excluded (the fit includes it).
    rowSd[t][0] = regionSd(ratio, regionStart[t], regionEnd[t] - 1);
    runHmm(t, 0);
}

} // namespace varn
