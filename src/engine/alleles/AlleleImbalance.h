#pragma once

#include "engine/allelic/ProfileSegmentation.h"

#include <vector>

namespace varn {

class CVARNDoc;

// The allele probes of one array, read from a paired normal: the signal an allele probe gives
// without its allele, as a share of the signal it gives with it (cross-hybridisation plus
// background). At the normal's homozygous SNPs the absent allele's probe answers to the present
// allele's two copies alone; its ratio to the present allele's probe of the same SNP is that
// share. Averaging the AA and the BB SNPs cancels a systematic A/B probe bias. 0 without
// homozygous calls.
double crossTalkOf(const CVARNDoc& doc, int t);

// The allelic contrast of the paired profile, by display position: at the normal's
// heterozygous SNPs z = ln((A_tumour / A_normal) / (B_tumour / B_normal)), which is 0 while the
// tumour keeps both parental alleles in balance and +-ln((major + c minor) / (minor + c major))
// where it does not (the sign is the SNP's phase); NaN at every other position.
std::vector<float> pairedAlleleContrast(const CVARNDoc& doc, int t);

// What a stretch's heterozygous SNPs say about its allelic balance: how many there are, and
// the mean of z^2 (z clipped to a plausible range, so that a failed probe cannot dominate).
struct SegmentAlleles {
    int count = 0;
    double meanSquare = 0.0;
};

// The segments of the total profile cut further where the size of the allelic contrast
// changes (a copy-neutral loss of heterozygosity leaves the total level alone), each with its
// alleles. segments and alleles come back in step.
void splitAtAlleleChanges(const CVARNDoc& doc, int t, const float* total, const std::vector<float>& contrast,
                          std::vector<ProfileSegment>& segments, std::vector<SegmentAlleles>& alleles);

} // namespace varn
