#pragma once

#include <cstdint>
#include <vector>

namespace varn::demo {

// Chromosome codes of a dense array's rows beyond 1..22 and 23 = X, numbered as PLINK numbers
// them; the profile readers count these rows and leave them out.
inline constexpr int kDenseY = 24;
inline constexpr int kDensePseudoautosomal = 25; // "XY": X's pseudoautosomal regions
inline constexpr int kDenseMitochondrial = 26;
inline constexpr int kDenseUnmapped = 0; // "0", position 0: a probe the manifest places nowhere

// A genome-wide SNP array of today's density on hg19, as an Illumina manifest and its cluster
// file describe it. Every column holds one entry per SNP, the SNPs in the order a final report
// lists them: by name as text, as GenomeStudio sorts a report by SNP name, which is not genome
// order (so a report is written in one sequential pass).
struct DenseArray {
    std::vector<std::uint8_t> namePrefix;  // 0 "kgp", 1 "rs"
    std::vector<std::uint32_t> nameNumber; // the name is prefix and number, "rs12345678"
    std::vector<std::int8_t> chromosome;   // 1..23, kDenseY, kDensePseudoautosomal, ...
    std::vector<std::int32_t> position;    // hg19 bases; 0 on unmapped rows
    std::vector<float> bFrequency;         // population frequency of allele B
    std::vector<float> gcWave;             // local GC content around the SNP, standardised (mean 0, SD 1)
    std::vector<float> clusterOffset;      // log R ratio every sample reads off this SNP's clusters
    std::vector<float> callQuality;        // GenCall score of a signal right on a cluster
    // The SNPs in genome order: chromosomes 1..23 by position, then the XY, Y, MT and unmapped rows.
    std::vector<std::int32_t> genomeOrder;

    std::size_t size() const { return chromosome.size(); }
};

// The array of snpCount SNPs (at least 1,000) for a seed, drawn from random streams of its own.
DenseArray makeDenseArray(std::uint64_t seed, int snpCount);

} // namespace varn::demo
