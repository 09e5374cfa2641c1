#pragma once

#include "document/profile/GenomeBuild.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varn {

// One band of UCSC's cytoBand table: chromosome 1..22 or 23 = X, bases start (0-based) to end
// (excluded), its name ("p36.33") and Giemsa stain ("gneg", "gpos25".. "gpos100", "acen",
// "gvar", "stalk").
struct CytoBand {
    int chromosome = 0;
    int start = 0;
    int end = 0;
    std::string name;
    std::string stain;
};

// The bands of a cytoBand.txt, plain or gzipped: tab-separated chrom, chromStart, chromEnd, name,
// gieStain, no header. Bands of other chromosomes (Y, M, unplaced and alternative contigs) are
// left out; the rest come sorted by chromosome and start. Nothing, with why, for a file that
// cannot be read, a line that is no band, or a file without one band of 1..22 or X.
struct CytoBandReading {
    std::vector<CytoBand> bands;
    std::string refusal; // "file, line 3: why"; empty when read
};
CytoBandReading readCytoBandFile(const std::filesystem::path& path);

// The cytoBand file of an installation's data folder: "cytoBand.<build>.txt" (as
// "cytoBand.hg19.txt"), else "cytoBand.txt" for whatever build the installation uses, each also
// gzipped (".txt.gz"), the first that exists; nothing when there is none.
std::optional<std::filesystem::path> findCytoBandFile(const std::filesystem::path& dataFolder,
                                                      GenomeBuild build);

// A chromosome's centromere as its "acen" bands span it; all zero when it has none.
Centromere centromereOfBands(const std::vector<CytoBand>& bands, int chromosome);

} // namespace varn
