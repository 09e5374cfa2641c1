#pragma once

#include "document/DocumentLimits.h"
#include "engine/allelic/AlleleSegments.h"

#include <vector>

namespace varn {

// The allele-specific copy number of one segment: how many copies of the more and of the less
// frequent parental chromosome the tumour cells hold there.
struct AlleleCopyNumber {
    int nMajor = -1; // -1 where not decoded (X, which the HMM does not decode)
    int nMinor = -1;
    // The alleles fit no split of the HMM's copy number: nMajor + nMinor is the closest fit of
    // level and alleles together, another copy number than the HMM's.
    bool mismatch = false;
    // LOH from the alleles: nMinor = 0 with nMajor >= 1 (copy-neutral, with loss, with gain). On X
    // from the B-allele fraction alone.
    bool loh = false;
    // The B-allele fraction the fit expects of the segment's heterozygous SNPs: a band at
    // expectedBand and 1 - expectedBand (0.5 for a balanced one); NaN where no band is expected
    // (no allele left to measure, or not decoded).
    double expectedBand = 0.0;
};

// What the fit knows of the sample: the tumour cell fraction p and the expected level of every
// copy number at p in the profile's units (the HMM means of a pool profile), the pure-tumour means
// (natural log; they carry the array's compression of the signal, which the alleles share), and
// the profile's noise per SNP.
struct AlleleFitInput {
    double purity = 1.0;
    double levels[kStates] = {};
    double pureMeans[kStates] = {};
    double levelNoise = 0.0;
    double homozygousNoise = 0.0; // of the B-allele fraction, from InformativeSnps
    // The informative SNPs are the paired normal's heterozygous ones: they stay informative where
    // the tumour lost an allele (their B-allele fraction then moves to the homozygous end).
    bool informativeFromNormal = false;
};

struct AlleleCopyNumbers {
    std::vector<AlleleCopyNumber> segments; // in step with AlleleSegments::segments
    double purity = 1.0;
};

// The major share of the B-allele fraction that k copies, j of them from the minor parent, show
// in a sample with tumour fraction p: each allele's DNA is 1 - p parts the normal cells' single
// copy and p parts the tumour's share of its compressed total 2 e^pureMean[k]. NaN where no DNA
// is left (k = 0 in a pure tumour).
double majorShare(const AlleleFitInput& in, int k, int j);

// Every segment's nMajor / nMinor: among the splits of the HMM's copy number, the one whose
// expected band and expected number of informative SNPs fit best; where even that one lies far
// from the mirrored B-allele fraction, the closest fit of level and alleles over all copy numbers
// (marked as a mismatch).
AlleleCopyNumbers alleleCopyNumbers(const AlleleSegments& segments, const AlleleFitInput& input);

} // namespace varn
