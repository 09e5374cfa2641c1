#pragma once

#include "engine/alleles/BAlleleFraction.h"
#include "engine/allelic/InformativeSnps.h"
#include "engine/allelic/SampleSex.h"

#include <memory>
#include <string>

namespace varn {

class CVARNDoc;

// What the sample's alleles say before any profile is read: each SNP's B-allele fraction against
// the allele clusters (the pool's model, or the paired normal's own) and which SNPs are
// informative. Neither depends on the analysis (the profile, its decoding, the purity, the
// baseline), so one reading serves every analysis of the same sample.
struct AlleleReadings {
    std::string why; // not empty: the alleles cannot be read (a summarised file, no clusters)
    BAlleleFraction baf;
    InformativeSnps informative;
};

// The readings of array t (kCombined: both merged), against the pool's allele model or (paired)
// the normal. Only for an analysis alleleAnalysisMissing() lets through.
AlleleReadings readAlleles(const CVARNDoc& doc, int t, bool paired);

// The same, kept while nothing it is read from changes (AlleleCache.h).
std::shared_ptr<const AlleleReadings> keptAlleleReadings(const CVARNDoc& doc, int t, bool paired);

// Array a's SNPs of a merged reading, in that array's display order: what the merged reading
// says of them (each SNP judged informative among the merged neighbours of both arrays).
AlleleReadings arrayPartOf(const AlleleReadings& merged, int a);

// poolSexes(doc, t), kept likewise.
std::shared_ptr<const PoolSexes> keptPoolSexes(const CVARNDoc& doc, int t);

// Drops the kept readings (and with poolsToo the pools' sexes): the next are computed afresh, as
// for a new sample (against a new pool). Results are the same either way; only the time differs.
void forgetKeptAlleles(bool poolsToo);

} // namespace varn
