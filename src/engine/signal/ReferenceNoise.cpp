// The noise of the sample against each reference alone over a region free of copy-number change,
// with and without the length and GC compensation: what the references are ranked by.
#include "document/CVARNDoc.h"

#include <algorithm>

namespace varn {

namespace {

int referenceRows(const CVARNDoc& doc, int t) { return std::min(doc.refCount[t], kPoolRows); }

} // namespace

// logRatio row 0 serves as scratch. Only the region is needed for the SD, so only the region is
// corrected: the fits see the same values as with the correction over the whole array, and the
// caller recomputes the profile afterwards anyway.
const float* CVARNDoc::measureReferenceSd(int start, int end, int sampleRow, int t) {
    for (int i = 1; i < referenceRows(*this, t); ++i) {
        fillLogRatio(sampleRow, i, start, end);
        for (int variable = 1; variable <= 2; ++variable) {
            fitQuadratic(start, end, logRatio[0], variable);
            subtractFit(logRatio[0], start, end, variable);
        }
        refSdCompensated[i] = regionSd(logRatio[0], start, end);
    }
    return refSdCompensated;
}

const float* CVARNDoc::measureReferenceSdRaw(int start, int end, int sampleRow, int t) {
    for (int i = 1; i < referenceRows(*this, t); ++i) {
        fillLogRatio(sampleRow, i, start, end);
        refSdRaw[i] = regionSd(logRatio[0], start, end);
    }
    return refSdRaw;
}

} // namespace varn
