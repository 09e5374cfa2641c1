#pragma once

#include <cstdint>
#include <vector>

namespace varn::demo {

// Where a dense array's SNPs lie on hg19: chromosome code and base of each, in genome order.
struct DenseSites {
    std::vector<std::int8_t> chromosome;
    std::vector<std::int32_t> position;
};

// snpCount sites: a few rows on XY, Y, MT and nowhere (as every Illumina manifest has), the rest
// on chromosomes 1..22 and X at an uneven density, none in a centromere, the heterochromatin
// beside it, an acrocentric short arm or X's pseudoautosomal regions (those SNPs are the XY rows).
DenseSites drawDenseSites(std::uint64_t seed, int snpCount);

} // namespace varn::demo
