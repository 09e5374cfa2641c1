#pragma once

#include <filesystem>

namespace varn::test {

// Writes the eight annotation tables of a whole installation into root/data, in their file
// formats: display order equals record order; SNP record k has fragment length 400 + k % 1700 and
// GC content 0.30 + (k % 30) / 100, except that every 53rd record has GC 0 and every 77th GC -0.1;
// the merged order is the identity. The header lines of IDH3.txt and IDX3.txt hold numbers that
// would scan as a record.
void writeAnnotationTables(const std::filesystem::path& root);

int syntheticFragmentLength(int snp);
float syntheticGcContent(int snp);

} // namespace varn::test
