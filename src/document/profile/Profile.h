#pragma once

#include "document/profile/SnpNames.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varn {

// The log ratio's base as the profile holds it: the 50K pool profile is a natural-log ratio, the
// paired profile and every array software's export base 2.
enum class LogBase : std::uint8_t { Natural, Two };

// The array a profile's SNPs were measured on, as far as the file says. It chooses the row of the
// platform table (what the array's chemistry does to the log ratio and the B-allele fraction);
// the analysis then measures those values on the data.
enum class Platform : std::uint8_t {
    Unknown,        // a plain table, ASCAT's files: nothing said
    Affymetrix50K,  // the Xba / Hind 50K pair read by this program's own signal files
    AffymetrixSnp6, // GenomeWideSNP_6 and other Affymetrix arrays of the later generations
    Illumina,       // Infinium arrays: GenomeStudio final reports, PennCNV signal files
};

// One array of a profile: a profile of the merged 50K pair holds two, every file one.
struct ProfileArray {
    std::string name; // "Xba", "Hind", or the file's array name; may be empty
    Platform platform = Platform::Unknown;
};

// A copy-number profile of one sample, one entry per SNP in genome order (chromosome 1..22, 23 =
// X, then base position), held column by column so that 2.5 million SNPs stay a few hundred
// megabytes and each stage walks only the columns it reads. Every column has size() entries,
// except the optional ones, which are empty when the profile has no such value at all.
//
// Missing values: NaN for the floats, kNoCall for the genotypes.
struct Profile {
    std::string sample; // the sample's name (a file's own, else its stem)
    std::string source; // the file (or files) it was read from, for messages
    LogBase logBase = LogBase::Two;
    std::vector<ProfileArray> arrays; // at least one

    std::vector<std::uint8_t> chromosome; // 1..23
    std::vector<std::int32_t> position;   // bases, in the input's coordinates
    SnpNames name;                        // SNP names; may be blank
    std::vector<float> logRatio;          // in logBase; NaN where missing
    std::vector<std::uint8_t> array;      // index into arrays

    // Optional columns (empty, or one entry per SNP).
    std::vector<float> baf;                  // B-allele fraction, unclipped
    std::vector<std::int8_t> genotype;       // kNoCall, kCallAA, kCallAB, kCallBB
    std::vector<float> normalBaf;            // the paired normal's
    std::vector<std::int8_t> normalGenotype; // the paired normal's
    std::vector<float> normalLogRatio;       // the paired normal's, in logBase (ASCAT's germline LogR)
    std::vector<float> heterozygosity;       // prior probability that the germline is heterozygous

    std::size_t size() const { return chromosome.size(); }
    bool hasBaf() const { return !baf.empty(); }
    bool hasNormal() const { return !normalBaf.empty() || !normalGenotype.empty(); }
};

} // namespace varn
