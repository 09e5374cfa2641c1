// The segment files' view of an analysis: its HMM segments with the allele columns the
// allele-specific decoder gives them, and the name its files carry.
#include "Segments.h"

#include "document/CVARNDoc.h"

#include <cmath>

namespace varn {

SegmentAlleleColumns alleleColumnsOf(const CopyNumberSegment& s) {
    SegmentAlleleColumns a;
    if (s.minorCopies < 0 || s.copyNumber < 0) return a;
    a.nMajor = s.copyNumber - s.minorCopies;
    a.nMinor = s.minorCopies;
    a.mirroredBaf = std::nan("");
    a.loh = a.nMinor == 0 && a.nMajor >= 1;
    return a;
}

SegmentedSample segmentedSample(const CVARNDoc& doc, int t) {
    SegmentedSample sample;
    sample.name = segmentSampleName(doc, t);
    sample.purity = doc.hmmMeansPurity;
    sample.segments = buildSegments(doc, t);
    // The allele-specific decoder's states are the allele columns themselves.
    if (!doc.hmmMinorCopies.empty())
        for (const CopyNumberSegment& s : sample.segments)
            sample.alleles.push_back(alleleColumnsOf(s));
    return sample;
}

} // namespace varn
