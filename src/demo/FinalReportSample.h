#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varn::demo {

struct DenseArray;
struct ReportTumour;

// A person's inherited alleles on a dense array: per SNP, bit 0 set when the first parent's copy
// carries allele B, bit 1 the second parent's; the copies present follow germlineCopiesAt (one
// on a man's X and Y, in a germline loss and on MT, none on a woman's Y). A tumour and its
// paired normal share them.
std::vector<std::uint8_t> drawDenseGermline(const DenseArray& array, const ReportTumour& patient,
                                            std::uint64_t seed);

// One sample as GenomeStudio reports it, per SNP of the array.
struct ReportSample {
    std::string name;
    std::vector<float> logRRatio;   // NaN where the array reports none
    std::vector<float> bAlleleFreq; // 0..1; NaN where the array reports none
    std::vector<float> gcScore;
    std::vector<std::int8_t> call; // kNoCall, kCallAA, kCallAB, kCallBB
};

// The patient's tumour biopsy (tumour true) or blood normal (false): the biopsy mixes tumour and
// normal cells as the 50K demo does, allele copies on the linear scale; the array then reads the
// mixture with its compression, waves, noise and off-centre heterozygous cluster.
ReportSample synthesiseReportSample(const DenseArray& array, const ReportTumour& patient,
                                    const std::vector<std::uint8_t>& germline, bool tumour,
                                    std::uint64_t seed);

} // namespace varn::demo
