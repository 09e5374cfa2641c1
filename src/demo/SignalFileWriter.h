#pragma once

#include <filesystem>
#include <string>

namespace varn::demo {

struct ArrayModel;
struct DemoGenome;
struct SampleData;

// A signal file as the array software exports it: two header lines, then per SNP record, tab
// separated, the line index, the SNP identifier and the 40 intensities in groups of four (allele
// A, allele B, two mismatch probes), with sixteen "null" fields among them in the array's fixed
// columns.
bool writeSignalFile(const std::filesystem::path& path, const DemoGenome& genome, const ArrayModel& model,
                     const SampleData& sample, const std::string& sampleName);

} // namespace varn::demo
