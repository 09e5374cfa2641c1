#pragma once

#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// Where the three genotype clusters of the allele contrast L = ln(B / A) lie at one SNP
// (aa < ab < bb). Every probe of a SNP sees the same amount of DNA, so the sample's own
// amplification cancels in L; what is left is the SNP's probe affinities (the ab centre, ln kappa)
// and each probe's answer to the other allele (aa and bb lie ln c on either side).
struct AlleleCentres {
    float aa = 0.0f;
    float ab = 0.0f;
    float bb = 0.0f;
};

// The centres of one array's SNP records, index record - first; NaN centres mark a SNP without.
struct ArrayCentres {
    int first = 0;
    std::vector<AlleleCentres> centre;

    bool empty() const { return centre.empty(); }
    const AlleleCentres* of(int record) const;
};

// The B-allele fraction of a contrast L at a SNP with these centres: 0 at the AA centre, 0.5 at
// AB, 1 at BB, and in between exactly the share of B copies under the linear cross-hybridisation
// model (B probe ~ kappa (nB + c nA), A probe ~ nA + c nB), so that the mixture of tumour and
// normal cells holds on it as on copy numbers. Not clipped: beyond the homozygous centres it runs
// a little below 0 or above 1. NaN when L is not finite or the centres are not ordered.
double bAlleleFractionOf(double contrast, const AlleleCentres& centres);

// One SNP of an allele analysis, in display order.
struct AlleleSnp {
    int index = 0;      // display index: the display position, or the merged index of Xba + Hind
    int pos = 0;        // display position within its array
    int record = 0;     // SNP record
    int chromosome = 0; // 1..22, 23 = X
    int position = 0;   // bases
    float baf = 0.0f;   // unclipped; NaN where the SNP's contrast or centres are unusable
};

// The sample's B-allele fraction at every usable SNP of chromosomes 1..X of the analysis (array
// t = 1 or 2, or 0 for both arrays in merged order), in display order.
struct BAlleleFraction {
    int arrayType = 0;
    std::vector<AlleleSnp> snps;
};

// The SNPs an allele analysis of array t reads, in display order, their fractions NaN.
BAlleleFraction analysisSnps(const CVARNDoc& doc, int t);

// Row 0 of the document's allele sums against the centres of each array (index 1 Xba, 2 Hind).
BAlleleFraction bAlleleFraction(const CVARNDoc& doc, int t, const ArrayCentres centres[3]);

// Empty when the allele sums of array t in alleleASignal / alleleBSignal row `row` measure
// alleles; otherwise why not, naming the sample: a summarised signal file (A and B alike, or at a
// fixed ratio, at every SNP) carries no allelic information.
std::string summarisedAllelesReason(const CVARNDoc& doc, int t, int row, const std::string& sample);

// The B-allele fraction clipped to 0..1, for display and export.
float clippedBaf(float baf);

} // namespace varn
