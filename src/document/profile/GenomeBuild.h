#pragma once

#include <optional>
#include <string_view>

namespace varn {

// The human reference assemblies that array exports give their positions in. Illumina's and
// Affymetrix's manifests of the 0.6-2.5 million SNP arrays come in NCBI36 (hg18), GRCh37 (hg19)
// and GRCh38 (hg38) coordinates; the same SNP sits at different bases in each, so the lengths and
// centromeres a profile is checked and drawn against must be those of its own build.
enum class GenomeBuild { Hg18, Hg19, Hg38 };

// "hg18", "hg19" or "hg38" (as UCSC names them); nothing for any other text.
std::optional<GenomeBuild> parseGenomeBuild(std::string_view text);
// The same names back.
const char* genomeBuildName(GenomeBuild build);

// Chromosomes 1..22 and 23 = X of a build; 0 for any other number.
int chromosomeLength(GenomeBuild build, int chromosome);

// A chromosome's centromere in UCSC coordinates: bases start (0-based, included) to end
// (excluded), as the browser's tables give them. All zero for a chromosome outside 1..23.
struct Centromere {
    int start = 0;
    int end = 0;
};
Centromere centromereOf(GenomeBuild build, int chromosome);

} // namespace varn
