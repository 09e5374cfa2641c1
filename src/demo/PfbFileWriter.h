#pragma once

#include <filesystem>

namespace varn::demo {

struct DenseArray;

// PennCNV's population B-allele frequency file of the array: a header "Name<TAB>Chr<TAB>Position
// <TAB>PFB", then per SNP in genome order its name, chromosome (as the final reports write it),
// position and the population frequency of allele B with four decimals.
bool writePfbFile(const std::filesystem::path& path, const DenseArray& array);

} // namespace varn::demo
