#pragma once

#include "document/profile/Profile.h"
#include "engine/alleles/BAlleleFraction.h"
#include "engine/allelic/AlleleCopyNumbers.h"
#include "engine/allelic/AlleleSegments.h"
#include "engine/allelic/InformativeSnps.h"

#include <string>

namespace varn {

class CVARNDoc;

// Everything the allele analysis of the analysis on screen yields, stage by stage, for the view
// to paint and the exports to write: the B-allele fraction of every SNP, which SNPs are
// informative, the imbalance segments and their allele-specific copy numbers.
struct AlleleAnalysis {
    bool available = false;
    std::string why;    // when not available: what is missing, for the person
    int arrayType = 0;  // 1 Xba, 2 Hind, 0 both arrays merged
    bool paired = false;
    std::string sample; // the name the files carry ("<xba>and<hind>" when merged)
    BAlleleFraction baf;
    Profile profile; // the SNPs of baf, as the allele stages read them (DocumentProfile.h)
    InformativeSnps informative;
    AlleleSegments segments;
    AlleleCopyNumbers copyNumbers;
};

// The analysis of array t (0 for Xba + Hind merged) against the pool's allele models, or (paired)
// of a tumour against its own normal, from the profile the document holds (decoded by the HMM in
// a pool analysis). Unavailable, with the reason, when a model, the sample's allele sums or the
// alleles themselves (a summarised signal file) are missing.
AlleleAnalysis analyseAlleles(const CVARNDoc& doc, int t, bool paired);

// What the allele-specific copy numbers of (t, paired) are fitted with: the tumour fraction (the
// one the HMM means stand for; a paired analysis, whose means nobody sets, its own estimate), the
// expected levels, the pure-tumour means and the noises.
AlleleFitInput alleleFitInput(const CVARNDoc& doc, int t, bool paired, double homozygousNoise);

// Why the allele analysis of (t, paired) cannot run, from what the document holds (models and
// allele sums; the alleles themselves are only looked at by analyseAlleles); empty when it can.
// Cheap enough for an enable rule.
std::string alleleAnalysisMissing(const CVARNDoc& doc, int t, bool paired);

} // namespace varn
