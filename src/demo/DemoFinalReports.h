#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace varn::demo {

// The SNP count of the final reports demo-data writes: the density of an Illumina OmniExpress
// array (about 700,000 SNPs).
inline constexpr int kDemoReportSnps = 700000;
inline constexpr int kFewestReportSnps = 1000;
inline constexpr int kMostReportSnps = 5000000;

// Where the final-report tumour goes; an empty path is not written.
struct FinalReportFiles {
    std::filesystem::path tumour; // the biopsy's final report
    std::filesystem::path normal; // the patient's normal, from the same array and germline
    std::filesystem::path truth;  // what was planted, in hg19 coordinates (TruthFile.h)
    std::filesystem::path pfb;    // the array's population B-allele frequencies (PennCNV's PFB)
};

// Writes the files of reportTumour() on an array of snpCount SNPs (kFewestReportSnps ..
// kMostReportSnps); deterministic for a seed, from random streams that no 50K file draws from.
// On failure writes "<command>: cannot write FILE" to err and returns false.
bool writeDemoFinalReports(const FinalReportFiles& files, std::uint64_t seed, int snpCount,
                           const std::string& command, std::ostream& err);

} // namespace varn::demo
