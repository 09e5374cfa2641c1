#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varn::demo {

struct ArrayModel;
struct DemoGenome;

// A SNP-call file: two header lines, then per SNP record "identifier\tcall\tconfidence" with the
// call "AA", "AB", "BB" or "NoCall". The identifiers hold no letter pairs the reader could take
// for a call.
bool writeSnpCallFile(const std::filesystem::path& path, const DemoGenome& genome, const ArrayModel& model,
                      const std::vector<signed char>& calls, const std::string& sampleName);

} // namespace varn::demo
