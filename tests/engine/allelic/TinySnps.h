#pragma once

#include "document/CVARNDoc.h"
#include "document/profile/Profile.h"
#include "engine/alleles/BAlleleFraction.h"

#include <functional>

namespace varn::test {

// What one SNP of a tiny allele analysis reads.
struct TinySnp {
    float baf = 0.5f;
    int call = kNoCall;
    float logRatio = 0.0f;
};

// Appends n SNPs of one chromosome to baf, on the Xba slots after those already there (display
// position = record = display index), 10 kb apart; SNP i reads f(i), at heterozygosity 0.3.
void addChromosome(CVARNDoc& doc, BAlleleFraction& baf, int chromosome, int n,
                   const std::function<TinySnp(int i)>& f);

// The profile the allele stages read of those SNPs (with the paired normal's calls when paired).
Profile profileOf(const CVARNDoc& doc, const BAlleleFraction& baf, bool paired = false);

// One SNP in three heterozygous and called AB, at 0.5 + offset and 0.5 - offset by turns (the
// others alternately AA at 0.01 and BB at 0.99), as a diploid genome reads at a population rate
// of 0.3.
TinySnp everyThirdHeterozygous(int i, float offset = 0.0f);

} // namespace varn::test
