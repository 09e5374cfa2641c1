#pragma once

#include <filesystem>
#include <vector>

namespace varn::demo {

struct DemoTumour;

// What was planted in a demo tumour, as the truth file lists it: one header line, then per
// segment
//   chromosome start end copy_number loh minor_copies subclone_copy_number subclone_minor_copies
//   subclone_fraction
// tab-separated (bases, inclusive; loh 1 or 0). The lines cover chromosomes 1..24 from base 1 to
// their ends, so every SNP of both arrays lies in one. copy_number, loh and minor_copies (the
// copies of the less frequent parental allele) are the clonal state, the one every tumour cell
// holds or held before a subclone changed it; subclone_fraction is the share of the tumour cells
// that hold the subclone_ state: 1.00 on a clonal line (whose subclone_ columns repeat the
// clonal state), 0.50 where half of them carry a change. The first five columns are those of
// the files written before, in the same order, so that readers of those keep working.
struct TruthSegment {
    int chromosome = 0;
    int start = 0;
    int end = 0;
    int copyNumber = 0;
    int loh = 0;
    int minorCopies = -1; // -1: not recorded (a five-column file)
    int subcloneCopyNumber = 0;
    int subcloneMinorCopies = -1;
    double subcloneFraction = 1.0;

    // The mean copy number of the tumour cells in the segment.
    double tumourCopyNumber() const {
        return (1.0 - subcloneFraction) * copyNumber + subcloneFraction * subcloneCopyNumber;
    }
};

// The header line ends with key=value fields after the column names: "normal_cells=0.30" in a
// tumour with normal cells (absent in a pure one), then "ploidy=3.51" (the mean copy number of
// the tumour cells over chromosomes 1..22 and X, weighted by bases), "genome_doubled=1" or 0
// and "sex=female" or "sex=male".
struct TruthHeader {
    double normalFraction = 0.0;
    double ploidy = 0.0; // 0: not recorded
    bool genomeDoubled = false;
    bool male = false;
};

// The truth of a demo tumour: its whole genome (wholeGenomeSegments) and its header fields.
bool writeTruthFile(const std::filesystem::path& path, const DemoTumour& tumour);

// Reads a truth file; false when it cannot be opened or holds no segment. Lines that do not
// begin with five numbers (the header) are skipped; a line of the five first columns only reads
// as a clonal segment whose minor copies are not recorded.
bool readTruthFile(const std::filesystem::path& path, std::vector<TruthSegment>& segments);

// The key=value fields of a truth file's header (the defaults where it has none); false when
// the file cannot be opened.
bool readTruthHeader(const std::filesystem::path& path, TruthHeader& header);

// The normal-cell share a truth file's header records (0 when it records none); false when the
// file cannot be opened.
bool readTruthNormalFraction(const std::filesystem::path& path, double& normalFraction);

// The segment holding a base of a chromosome, or nullptr.
const TruthSegment* truthAt(const std::vector<TruthSegment>& segments, int chromosome, int position);

} // namespace varn::demo
