#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varn {

// One line of a sample's segment table (segments/<sample>.segments.tsv): a run of SNPs with one
// copy-number state and one LOH call. Positions are 1-based inclusive bases of the first and last
// SNP; chromosome 23 is X, whose copy number is not decoded and so is absent.
struct SegmentTableRow {
    int chromosome = 0;
    long long start = 0, end = 0;
    int marks = 0;
    double meanLn = 0, meanLog2 = 0;
    std::optional<int> copyNumber;
    bool loh = false;
    double lohMean = 0, lohMax = 0;
};

struct SegmentTable {
    std::string sample;                // the ID column, the same on every line
    std::optional<int> tumourCells;    // percent, from the "# tumour cells=NN%" line when present
    std::vector<SegmentTableRow> rows; // sorted by chromosome then start, never overlapping
};

// Reads a segment table. False with the reason, naming the line and the column, when the file is
// missing, lacks the header, has a malformed field, mixes sample IDs or holds unsorted or
// overlapping segments: a cohort summary over a damaged table would count wrong silently.
bool readSegmentTable(const std::filesystem::path& path, SegmentTable& table, std::string& error);

} // namespace varn
