#pragma once

#include "engine/allelic/InformativeSnps.h"
#include "engine/hmm/HmmSegments.h"

#include <vector>

namespace varn {

struct Profile;

// A stretch of one chromosome at one copy number and one allelic balance: a log-ratio segment,
// or a piece of one cut where its alleles step.
struct AlleleSegment {
    // The columns of the segment files, for the piece: bases of its first and last SNP, the SNPs
    // with a log ratio (markers), their mean log ratio, the HMM's copy number (-1 where not
    // decoded) and the LOH call of the segment it was cut from with the LOH score over the piece.
    CopyNumberSegment total;
    int firstSnp = 0; // range of the profile's SNPs, inclusive
    int lastSnp = 0;
    int informative = 0;                // informative SNPs
    double expectedHeterozygous = 0.0;  // the sum of the population heterozygosity rates over it
    double mirroredBaf = 0.0;           // mean |baf - 0.5| + 0.5 of its informative SNPs; NaN without
    double meanSquare = 0.0;            // mean (baf - 0.5)^2 of its informative SNPs
};

struct AlleleSegments {
    std::vector<AlleleSegment> segments;
    // The spread of a heterozygous SNP's B-allele fraction around its band, from the segments
    // themselves (the folding of the mirrored values taken out).
    double bafNoise = 0.0;
    // The share of the population's expected heterozygous SNPs the sample shows as informative
    // where it keeps both alleles (the median over the segments).
    double informativeShare = 1.0;
};

// The log-ratio segments (CopyNumberSegment: from the HMM in a pool analysis, from the profile's
// segmentation in a paired one), each cut further where the mirrored B-allele fraction of its
// informative SNPs steps, or where the share of informative SNPs against the population rates
// steps (in a pure tumour an LOH stretch has no informative SNP at all). A copy-neutral LOH
// leaves the log ratio flat; only the alleles find its ends. lohScore is in step with the
// profile's SNPs, or empty where there is none.
AlleleSegments alleleSegments(const Profile& profile, const InformativeSnps& informative,
                              const std::vector<CopyNumberSegment>& logRatioSegments,
                              const std::vector<float>& lohScore = {});

// The mean of |x| for x normal with mean delta and SD sd: the mirrored B-allele fraction (less
// 0.5) a band at 0.5 + delta shows under noise sd.
double foldedMean(double delta, double sd);

} // namespace varn
