#pragma once

#include <filesystem>

namespace varn::demo {

struct DemoGenome;

// cytoband_H.txt / cytoband_X.txt: per SNP record "stain name" (stain class 1..8, band name of at
// most 10 characters). Lines stay far below the 31 bytes the loader takes in one piece.
bool writeCytobandTable(const std::filesystem::path& path, const DemoGenome& genome, int first, int last);

} // namespace varn::demo
