#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varn::demo {

struct DemoGenome;
struct DemoTumour;

inline constexpr int kProbesPerSnp = 40;
inline constexpr int kNullFields = 16;
inline constexpr int kFieldsAfterId = kProbesPerSnp + kNullFields;

// What every sample of one array shares: the probe affinities (how strongly each of the 40
// probes of a SNP binds its target, fixed by the probe sequence) and the columns the array
// software leaves "null".
struct ArrayModel {
    int arrayType = 0;
    int first = 0; // first SNP record of the array
    int last = 0;  // last SNP record, inclusive
    std::vector<float> affinity; // (last - first + 1) x 40
    std::array<bool, kFieldsAfterId> nullField{};

    int count() const { return last - first + 1; }
};

ArrayModel makeArrayModel(std::uint64_t seed, int arrayType);

// One person's inherited genotypes on an array (1 AA, 2 AB, 3 BB per record from first on),
// drawn from the population allele frequencies. A tumour and its paired normal share them.
std::vector<signed char> drawGermline(const DemoGenome& genome, const ArrayModel& model, std::uint64_t seed,
                                      const std::string& person, bool male = false);

// One measured sample: 40 intensities per record, the genotype calls (0 NoCall, 1 AA, 2 AB,
// 3 BB) and, per record, the sum of the 20 allele probes (what the signal reader sums).
struct SampleData {
    std::vector<float> intensity; // count x 40
    std::vector<signed char> call;
    std::vector<float> alleleSum;
};

// Synthesises a sample of a person. With a tumour, each SNP's allele copies follow the planted
// segment it lies in and the total signal is scaled by exp(hmmMean[copy number]) against a
// normal; without one the sample is diploid (one X for a male). A tumour with normal cells mixes
// its DNA with theirs, allele by allele, and its calls follow the mixed allele signals; a
// subclone mixes with the other tumour cells the same way. The levels are not scaled to the
// sample's mean copy number: the reader scales each file to a mean probe of 1, which removes the
// extra DNA per cell of a tumour with more copies on average (a doubled genome) as hybridising a
// fixed amount of DNA does on a real array. Its whole profile shifts down, and its commonest
// state sits where a diploid genome's two copies would.
// noiseFactor scales the sample's noise; normal samples vary around it at random, tumours keep it.
SampleData synthesiseSample(const DemoGenome& genome, const ArrayModel& model,
                            const std::vector<signed char>& germline, const DemoTumour* tumour, std::uint64_t seed,
                            const std::string& sampleName, double noiseFactor, bool male = false);

} // namespace varn::demo
