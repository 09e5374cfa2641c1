#pragma once

#include "engine/hmm/HmmSegments.h"

#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// What an allele analysis adds to a segment: the allele-specific copy number (-1: not decoded),
// the mean mirrored B-allele fraction of its informative SNPs (NaN without any), LOH from the
// alleles, and whether the alleles' closest fit is another copy number than the HMM's.
struct SegmentAlleleColumns {
    int nMajor = -1;
    int nMinor = -1;
    double mirroredBaf = 0.0;
    bool loh = false;
    bool mismatch = false;
};

// The segments of one analysis and what the files say about it.
struct SegmentedSample {
    std::string name;    // the sample name; merged: "<xba>and<hind>"
    float purity = 1.0f; // the tumour cell fraction the HMM means stood for
    std::vector<CopyNumberSegment> segments;
    // An allele analysis: in step with segments (which are then cut where the alleles step too);
    // empty otherwise.
    std::vector<SegmentAlleleColumns> alleles = {};
};

// The allele columns a segment of the allele-specific decoder carries in itself (nMajor -1 for
// one it did not decode).
SegmentAlleleColumns alleleColumnsOf(const CopyNumberSegment& segment);

// The whole sample, named as its files are (segmentSampleName).
SegmentedSample segmentedSample(const CVARNDoc& doc, int t);

} // namespace varn
