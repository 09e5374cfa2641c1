#pragma once

#include "SegmentTableReader.h"

#include <span>
#include <string>
#include <vector>

namespace varn {

// One stretch of the genome over which no sample of the cohort changes its call: how many samples
// cover it, and how many of them are gained (copy number above 2), lost (below 2) or in LOH.
// Copy numbers are counted among the samples that have one there (X has none).
struct CohortFrequencyRow {
    int chromosome = 0;
    long long start = 0, end = 0; // bases, inclusive
    int samples = 0;
    int withCopyNumber = 0;
    int gains = 0, losses = 0, loh = 0;
    friend bool operator==(const CohortFrequencyRow&, const CohortFrequencyRow&) = default;
};

// The frequencies along the genome, sorted by chromosome and start. Within a chromosome a sample
// covers the bases from its first segment's first SNP to its last segment's last SNP; the bases
// between two of its segments carry no SNP of that sample, and the change between them lies
// somewhere there, so each segment is taken to reach halfway across the gap. Neighbouring
// stretches with the same counts are one row.
std::vector<CohortFrequencyRow> cohortFrequency(std::span<const SegmentTable> samples);

// The row that holds the base, or nullptr when no sample covers it; rows as cohortFrequency
// returns them.
const CohortFrequencyRow* frequencyAt(std::span<const CohortFrequencyRow> rows, int chromosome,
                                      long long position);

// The table segments/cohort-frequency.tsv: a header line, then one line per row with the shares
// as "%.3f" (gain and loss empty where no sample has a copy number).
extern const char* const kCohortFrequencyHeader;
std::string cohortFrequencyText(std::span<const CohortFrequencyRow> rows);

} // namespace varn
