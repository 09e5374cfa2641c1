#pragma once

#include <filesystem>

namespace varn::demo {

struct DemoGenome;

// IDH3.txt / IDX3.txt: two header lines, then per SNP record of the array (records first..last)
// "id chromosome position fragment_length gc", whitespace separated.
bool writeIdTable(const std::filesystem::path& path, const DemoGenome& genome, int first, int last);

} // namespace varn::demo
