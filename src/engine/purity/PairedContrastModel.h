#pragma once

#include "engine/purity/LevelsPurityFit.h"

#include <cstddef>
#include <vector>

namespace varn {

class CVARNDoc;

// The allelic contrast of a paired profile as the levels-only fit reads it: at the normal's
// heterozygous SNPs a lost parental allele ties the contrast to the tumour cell fraction
// directly. What a stretch of k copies, j of them from the minor parent, is expected to show
// and how far its measured contrast lies from that.

// The allelic contrast (ln of the major parent's allele signal over the minor's) that a stretch
// of k copies, j of them from the minor parent, shows at tumour fraction p with the array's
// cross-hybridisation share c.
double expectedContrast(const PurityFitInput& in, double p, int k, int j, double c);

// Whether segment s has enough heterozygous SNPs to say anything about its balance.
bool hasAlleles(const PurityFitInput& in, std::size_t s);

// The chi-square of segment s's contrast against an expected one, and the same as a misfit per
// marker in the units of the total level's squared distance, capped as a level's misfit is.
double alleleChi(const PurityFitInput& in, std::size_t s, double expected);
double alleleMisfit(const PurityFitInput& in, std::size_t s, double expected);

// Whether segment s's contrast stands clear of the noise (a change even at the baseline level).
bool imbalanced(const PurityFitInput& in, std::size_t s);

// The paired normal's allele signals of array t into the fit's input: segments cut where the
// allelic balance steps, each with its heterozygous SNPs' contrast, the array's
// cross-hybridisation share and the contrast noise alone gives.
void addPairedAlleles(const CVARNDoc& doc, int t, std::vector<ProfileSegment>& segments, PurityFitInput& in);

} // namespace varn
