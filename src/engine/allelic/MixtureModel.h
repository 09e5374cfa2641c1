#pragma once

#include "document/DocumentLimits.h"

namespace varn {

// What a stretch of a tumour biopsy shows on the arrays: k copies in the tumour cells, j of them
// from the minor parent, in a sample that holds a fraction p of tumour cells (the rest diploid
// normal cells) and whose tumour cells carry psi copies on average. One place for the fit of
// purity and ploidy and for the decoders that take (p, psi).

// An allele-specific copy-number state: total copies 0..6 and the minor parent's share of them
// (nMinor <= nMajor). Sixteen of them.
struct AlleleState {
    int total = 2;
    int minor = 1;
    int major() const { return total - minor; }
};

inline constexpr int kAlleleStates = 16;

// The sixteen states, ordered by total copies, then by minor copies.
const AlleleState* alleleStates();

// The array's compression of the signal, as the pure-tumour means carry it: k copies give the
// signal of g(k) = 2 exp(m_k) diploid-normal copies (g(2) = 2; g(0), about 0.58, is the probes'
// background; g(6) about 6). Means in natural log, or base 2 for a paired profile.
struct EffectiveCopies {
    double g[kStates] = {};
};

EffectiveCopies effectiveCopiesOf(const float pureMeans[kStates], bool log2Scale);

// g at a ploidy psi: interpolated linearly between whole copy numbers (beyond 6 along the last
// step). The signal reader scales every sample to a mean probe of 1, so the genome's mean signal,
// p g(psi) + 2 (1 - p), is what every level is read against.
double effectivePloidy(const EffectiveCopies& copies, double psi);

// The ploidy whose effective copies are gPsi (the inverse of effectivePloidy).
double ploidyOfEffective(const EffectiveCopies& copies, double gPsi);

// The linear signal of k copies at tumour fraction p, in diploid-normal copies: p g(k) + 2 (1 - p).
double mixedSignal(const EffectiveCopies& copies, int k, double p);

// The B-allele fraction of the minor parent's allele at a heterozygous SNP (the mirrored value
// is 1 minus it): each allele's DNA is 1 - p parts the normal cells' single copy and p parts the
// tumour's share of its compressed total, (1 - p + p g(k) j / k) / (2 (1 - p) + p g(k)). With no
// copy left (k = 0) only the normal cells' alleles remain, in balance: 0.5.
double minorAlleleShare(const EffectiveCopies& copies, int k, int j, double p);

// The same formula for tumour cells that carry minor of their total effective copies from the
// minor parent (g(k) j / k of g(k) for one state; a subclonal mixture of two states averages
// both): (1 - p + p minor) / (2 (1 - p) + p total).
double minorShareOfCopies(double minor, double total, double p);

// The mirrored B-allele fraction of the state: 1 - minorAlleleShare, 0.5 .. 1.
double mirroredBaf(const EffectiveCopies& copies, int k, int j, double p);

} // namespace varn
