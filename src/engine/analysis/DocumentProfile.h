#pragma once

#include "document/profile/Profile.h"
#include "engine/alleles/BAlleleFraction.h"

#include <vector>

namespace varn {

class CVARNDoc;

// The profile the allele stages read, filled from an analysis of the 50K pair the document holds.
// Its SNPs are those of `snps` (analysisSnps or bAlleleFraction of the analysis), in their order:
// the display order of one array, or the merged order of both. Its arrays are always the pair,
// Xba first (index 0) and Hind (1), so that each SNP's array is the 50K array it was measured on.
// Per SNP: the profile's log ratio (logRatio[0]: natural log against a pool, base 2 against the
// paired normal), the B-allele fraction of `snps` (withBaf), the sample's call, the paired
// normal's call (paired) and the annotation's population heterozygosity rate.
Profile documentProfile(const CVARNDoc& doc, const BAlleleFraction& snps, bool paired, bool withBaf);

// The LOH score of each of the profile's SNPs (the document's is held by display index).
std::vector<float> documentLohScores(const CVARNDoc& doc, const BAlleleFraction& snps);

} // namespace varn
