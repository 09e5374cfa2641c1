#pragma once

#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// A position counts as LOH where its score is above this, the mark of the genome plot.
inline constexpr float kLohCallThreshold = 30.0f;
// An interior stretch of at most this many decoded positions whose LOH call differs from the
// calls on both sides takes theirs (see Segments.cpp).
inline constexpr int kLohStrayPositions = 2;

// One run of decoded SNPs along a chromosome with one HMM state and one LOH call.
struct CopyNumberSegment {
    int chromosome = 0;  // 1..22, 23 = X
    int start = 0;       // base position of the first SNP
    int end = 0;         // base position of the last SNP
    int markers = 0;     // SNPs in the segment
    double meanLn = 0;   // mean of the profile's natural-log ratios
    int copyNumber = -1; // the HMM state 0..6; -1 on X, which the HMM does not decode
    bool loh = false;
    double lohMean = 0;
    double lohMax = 0;
    int firstIndex = 0; // display indices of the first and the last SNP
    int lastIndex = 0;
    int minorCopies = -1; // the minor parent's copies where the allele-specific HMM decoded; -1 elsewhere
};

// The segments of the decoded pool-mode profile of array type t (kXba, kHind, or kCombined for the
// merged Xba + Hind profile in merged order), sorted by chromosome and start.
std::vector<CopyNumberSegment> buildSegments(const CVARNDoc& doc, int t);

// The segments of the display indices [start, end) of one chromosome, as buildSegments cuts them.
std::vector<CopyNumberSegment> chromosomeSegments(const CVARNDoc& doc, int t, int start, int end);

// The name the files of array type t carry: the sample's, "<xba>and<hind>" when merged.
std::string segmentSampleName(const CVARNDoc& doc, int t);

} // namespace varn
