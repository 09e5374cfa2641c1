#pragma once

#include <filesystem>
#include <vector>

namespace varn::demo {

struct PlantedSegment;

// What was planted in a demo tumour, as the truth file lists it: one header line, then per
// segment "chromosome\tstart\tend\tcopy_number\tloh" (bases, inclusive; loh 1 or 0). The lines
// cover chromosomes 1..24 from base 1 to their ends, so every SNP of both arrays lies in one.
struct TruthSegment {
    int chromosome = 0;
    int start = 0;
    int end = 0;
    int copyNumber = 0;
    int loh = 0;
};

// A tumour with normal cells says so at the end of the header line, "\tnormal_cells=0.50"; the
// header of a pure tumour is the bare column list.
bool writeTruthFile(const std::filesystem::path& path, const std::vector<PlantedSegment>& segments,
                    double normalFraction = 0.0);

// Reads a truth file; false when it cannot be opened or holds no segment. Lines that do not
// hold five numbers (the header) are skipped.
bool readTruthFile(const std::filesystem::path& path, std::vector<TruthSegment>& segments);

// The normal-cell share a truth file's header records (0 when it records none); false when the
// file cannot be opened.
bool readTruthNormalFraction(const std::filesystem::path& path, double& normalFraction);

// The segment holding a base of a chromosome, or nullptr.
const TruthSegment* truthAt(const std::vector<TruthSegment>& segments, int chromosome, int position);

} // namespace varn::demo
