#pragma once

#include "engine/allelic/AlleleParameters.h"
#include "engine/allelic/MixtureModel.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace varn {

// A copy-number HMM over the sixteen allele-specific states (k total copies 0..6, j = 0..k/2 of
// them from the minor parent) and the subclonal states between them (below), decoded with the Viterbi
// algorithm along one chromosome. Each SNP speaks through its log ratio and, where its alleles can be read,
// through whether it is informative (germline heterozygous with both alleles still seen) and, if so, through
// its mirrored B-allele fraction. Copy-neutral LOH, a gain of one parent and a doubled genome each have a
// state of their own, and the SNPs of both arrays can share one chain, each read with its own array's levels
// and noise.

// Beside the sixteen clonal states, the chain has a state for each pair of clonal states one copy
// of one parent apart whose tumour cells are split half and half between the two: a subclone
// that gained (or lost) that copy. Its level and band lie midway, where a chain of clonal states
// alone would flip between the two all along the stretch, faster the denser its SNPs (both
// arrays merged). A subclonal state is reported as the clonal state of the pair with fewer
// copies. States kAlleleStates.. are these steps, in the order of subcloneSteps().
struct SubcloneStep {
    int lower = 0; // index into alleleStates()
    int upper = 0; // one more copy of one parent
};
inline constexpr int kSubcloneSteps = 21;
inline constexpr int kHmmStates = kAlleleStates + kSubcloneSteps;
const SubcloneStep* subcloneSteps();

// The clonal state (index into alleleStates()) a chain state is reported as.
int reportedAlleleState(int hmmState);

// What one array says of each state.
struct AlleleHmmArray {
    double level[kHmmStates] = {}; // expected log ratio, in the profile's units
    double levelNoise = 0.0;       // SD of one SNP's log ratio
    double band[kHmmStates] = {};  // expected mirrored B-allele fraction, 0.5 .. 1
    // Whether the minor parent's allele shows (its share of the B-allele fraction above the
    // homozygous noise): only then are heterozygous SNPs expected among the informative ones.
    bool shows[kHmmStates] = {};
    double bafNoise = 0.0;         // SD of one informative SNP's B-allele fraction around its band
    double informativeShare = 1.0; // share of the heterozygous SNPs seen as informative where they show
};

// One SNP of the chain.
struct AlleleHmmSnp {
    int array = 1;           // index into AlleleHmmChain::arrays
    int position = 0;        // bases
    float level = 0.0f;      // the profile's log ratio
    signed char alleles = 0; // 0: no allele reading; 1: read (informative, baf below hold)
    bool informative = false;
    float heteroRate = 0.0f;  // the population heterozygosity rate
    float mirroredBaf = 0.0f; // max(baf, 1 - baf) of an informative SNP
};

struct AlleleHmmChain {
    std::vector<AlleleHmmSnp> snps; // one chromosome, in base order
    AlleleHmmArray arrays[3];
    // The informative SNPs are the paired normal's heterozygous ones: whether a SNP is informative
    // then says nothing about the tumour's state, only its B-allele fraction does.
    bool informativeFromNormal = false;
    // States the chain may take (a male X holds a single parent: j = 0 only).
    bool allowed[kHmmStates];
    AlleleHmmChain() { std::fill(std::begin(allowed), std::end(allowed), true); }
};

// Every number of the model, with why.
struct AlleleHmmParameters {
    // A share of SNPs whose log ratio lies anywhere (a failed probe, a compensation artefact):
    // spread evenly over this width, so that one wild value cannot force a change of state.
    double levelOutlierShare = 0.02;
    double levelOutlierWidth = 4.0;
    // Likewise for a B-allele fraction: an informative SNP that belongs to no band.
    double bafOutlierShare = 0.05;
    // Informative SNPs where the minor allele does not show are strays (AlleleParameters.h).
    double strayShare = kAlleleParameters.strayShare;
    // The chance of a change between neighbouring SNPs as the seven-state HMM has it: the Kosambi
    // map function of their distance, 10^8 bases to the Morgan.
    double basesPerMorgan = 1e8;
    // The chance of a change into a subclonal state against one into a clonal state: most of a
    // tumour's changes are carried by all its cells, and with many normal cells a subclone's
    // level lies within the noise of its pair, so a short noisy stretch must not read as one.
    double subcloneShare = 0.1;
};

inline constexpr AlleleHmmParameters kAlleleHmmParameters{};

// The chain state (0 .. kHmmStates - 1; see reportedAlleleState) of every SNP of the chain.
std::vector<int> decodeAlleleStates(const AlleleHmmChain& chain,
                                    const AlleleHmmParameters& parameters = kAlleleHmmParameters);

// The expected mirrored B-allele fraction of every state (a subclonal one's from its pair's DNA
// mixed half and half), and whether its minor allele shows
// above the homozygous noise at that fraction p, for an array of these effective copies. With
// the paired normal's SNPs, every allele shows: its SNPs are informative whatever the tumour lost.
void fillAlleleBands(AlleleHmmArray& array, const EffectiveCopies& copies, double purity,
                     double detectableShare, bool informativeFromNormal);

} // namespace varn
