#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varn {

class CVARNDoc;

// The allele contrast of a SNP in one sample is L = ln(B / A), A and B the sums of its ten
// allele-A and ten allele-B probes. Every probe of a SNP sees the same amount of DNA, so the
// sample's amplification of that SNP cancels; what remains is the genotype and the SNP's probe
// affinities: B/A differs from SNP to SNP by a factor kappa (the AB cluster sits at ln kappa, not
// at 0), and each allele's probes answer to the other allele with a small share (cross-
// hybridisation), which puts AA and BB at nearly the same distance below and above AB all over
// the array. Not finite where A <= 0 or B <= 0.
float alleleContrast(float alleleA, float alleleB);

// What the whole array says about its clusters, measured over the SNPs where the clusters are
// seen: it places the centre of a genotype that a SNP's references do not show.
struct AlleleRelation {
    float spacingAA = 0.0f; // AB centre minus AA centre, typical over the array
    float spacingBB = 0.0f; // BB centre minus AB centre
    float spacingSd = 0.0f; // how much one SNP's spacing strays from the typical one
    float spreadAA = 0.0f;  // SD of one reference's L about its SNP's cluster centre
    float spreadAB = 0.0f;
    float spreadBB = 0.0f;
    float centreABMean = 0.0f; // where the AB centres (ln kappa) lie over the array ...
    float centreABSd = 0.0f;   // ... and how widely, the measurement noise taken out
};

// The three genotype clusters of the allele contrast, per SNP record of one array, learned from
// the references of one pool. Index i stands for record first + i.
struct AlleleModel {
    int arrayType = 0;         // 1 Xba, 2 Hind; 0 = no model
    int references = 0;        // references it was learned from
    std::uint64_t poolKey = 0; // the pool it belongs to (poolKeyOf)
    int first = 0;             // snpFirst of the array
    // Cluster centres of L, cAA < cAB < cBB; NaN for a SNP that no reference gave a usable value.
    std::vector<float> centreAA, centreAB, centreBB;
    // References in each cluster.
    std::vector<unsigned short> countAA, countAB, countBB;
    // The members' mean and SD (n - 1; 0 below two members), kept so that references added later
    // update the clusters without the old references' signal files. NaN mean for an empty cluster.
    std::vector<float> meanAA, meanAB, meanBB;
    std::vector<float> sdAA, sdAB, sdBB;
    AlleleRelation relation;
    // How it was learned: "clustering", "calls of 2 of 10 references, clustering of the rest",
    // with "; 4 references added" after an update.
    std::string learned;

    bool empty() const { return arrayType == 0 || centreAB.empty(); }
    int size() const { return static_cast<int>(centreAB.size()); }
};

// Identifies a pool as its file keeps it: FNV-1a 64 over the array type and refCount[t] (int32,
// little-endian), then for every reference row its name as the pool file keeps it (at most 16
// characters, up to the first zero byte) with a zero byte after it, and the four bytes of its
// poolRowMean float. Both survive a pool file round trip exactly; two pools with the same
// references in the same order share the key.
std::uint64_t poolKeyOf(const CVARNDoc& doc, int t);

// Why the allele analysis of array t (1 or 2; 0 for Xba + Hind, which needs both) cannot use a
// pool's allele model, in one sentence for a person ("XbaPool.ref has no allele model
// (XbaPool.alleles)"); empty when the model in memory is the loaded pool's own.
std::string alleleModelUnavailableReason(const CVARNDoc& doc, int t);

// The file name the pool of array t is known by ("XbaPool.ref"), or "the Xba 50K reference pool"
// for a pool that has none yet.
std::string poolDisplayName(const CVARNDoc& doc, int t);

} // namespace varn
